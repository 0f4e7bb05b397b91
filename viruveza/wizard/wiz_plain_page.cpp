#include "viruveza/wizard/wiz_plain_page.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/output_path.h"
#include "viruveza/wizard/card_choices.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/plain_page_model.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace doz::wizard {

namespace {

QLabel* valueLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace

CWizPlainPage::CWizPlainPage(int index, CMainWizard& sheet)
    : CWizParameterPage(index, sheet, std::make_unique<PlainPageModel>()) {
    setSubTitle("This operation is written with the card's default settings: the first card "
                "sub-type, card index 0 and channel 0. Press Finish to generate the code.");
    Lbl_CardLine = valueLabel("Lbl_CardLine");
    Lbl_Card = valueLabel("Lbl_Card");
    Lbl_Operation = valueLabel("Lbl_Operation");
    Lbl_OutputFile = valueLabel("Lbl_OutputFile");
    Lbl_OutputFile->setWordWrap(true);
    Lbl_Settings = valueLabel("Lbl_Settings");

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(10);
    form->addRow("Card line :", Lbl_CardLine);
    form->addRow("Card type :", Lbl_Card);
    form->addRow("Operation :", Lbl_Operation);
    form->addRow("Settings :", Lbl_Settings);
    form->addRow("Code file :", Lbl_OutputFile);

    auto* box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    box->setLayout(form);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch();
}

void CWizPlainPage::showModel() {
    const auto& entry = static_cast<const PlainPageModel&>(model()).entry();
    const auto line = static_cast<generators::CardLine>(entry.line);
    Lbl_CardLine->setText(fromView(lineLabel(entry.line)));
    const auto cards = cardNames(entry.line);
    const QString card = entry.cardIndex >= 0 && static_cast<std::size_t>(entry.cardIndex) < cards.size()
                             ? fromView(cards[static_cast<std::size_t>(entry.cardIndex)])
                             : QString();
    Lbl_Card->setText(QString("%1 (%2)").arg(card, QString::fromUtf8(generators::CardConstant(
                                                       line, defaultCardType(entry.line, entry.cardIndex)))));
    QString operation;
    for (const OperationChoice& choice : operationChoices(entry.line, entry.cardIndex))
        if (choice.code == entry.operation)
            operation = fromView(choice.name);
    Lbl_Operation->setText(operation);
    Lbl_Settings->setText("Card index 0, channel 0");
    Lbl_OutputFile->setText(
        QString::fromStdString(generators::WithTxtExtension(sheet().outputPath().toStdString()).string()));
}

} // namespace doz::wizard
