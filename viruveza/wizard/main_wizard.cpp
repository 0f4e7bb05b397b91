#include "viruveza/wizard/main_wizard.h"

#include "viruveza/wizard/page_factory.h"
#include "viruveza/wizard/wiz_data_src.h"
#include "viruveza/wizard/wiz_parameter_page.h"
#include "viruveza/wizard/wizard_routes.h"

#include <QAbstractButton>

namespace doz::wizard {

CMainWizard::CMainWizard(const QString& caption, QWidget* parent, int startPage, const QPixmap& watermark,
                         const QPixmap& header)
    : QWizard(parent) {
    setObjectName("CMainWizard");
    setWindowTitle(caption);
    setWizardStyle(QWizard::ClassicStyle);
    setOptions(QWizard::NoBackButtonOnStartPage);
    setPixmap(QWizard::LogoPixmap, header);

    auto* first = new CWizDataSrc(*this);
    first->setPixmap(QWizard::WatermarkPixmap, watermark);
    setPage(kDataSrcPage, first);
    for (int index = kCardCfgPage; index < kPageCount; ++index)
        setPage(index, createParameterPage(index, *this));
    setStartId(startPage);

    connect(this, &QWizard::currentIdChanged, this, [this](int id) {
        if (id == kDataSrcPage)
            dataSrcPage()->activate();
    });
    setMinimumSize(640, 470);
}

CMainWizard::~CMainWizard() = default;

void CMainWizard::setCardLine(int line) {
    cardLine_ = line == 1 ? 1 : 0;
}

CWizDataSrc* CMainWizard::dataSrcPage() const {
    return static_cast<CWizDataSrc*>(page(kDataSrcPage));
}

CWizParameterPage* CMainWizard::parameterPage(int index) const {
    if (index < kCardCfgPage || index >= kPageCount)
        return nullptr;
    return static_cast<CWizParameterPage*>(page(index));
}

const generators::DeviceSetup& CMainWizard::pageRecord(int index) const {
    if (CWizParameterPage* target = parameterPage(index))
        return target->model().record();
    return resultRecord_;
}

void CMainWizard::takeChoice(int line, int cardIndex, std::uint16_t operation, const QString& outputPath,
                             int target) {
    const bool cardChanged = cardIndex != previousCardIndex_;
    previousCardIndex_ = cardIndex;
    cardLine_ = line;
    cardTypeIndex_ = cardIndex;
    operationCode_ = operation;
    outputPath_ = outputPath;
    if (CWizParameterPage* next = parameterPage(target))
        next->model().enter({line, cardIndex, operation, cardChanged});
}

} // namespace doz::wizard
