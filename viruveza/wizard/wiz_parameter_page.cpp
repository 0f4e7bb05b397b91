#include "viruveza/wizard/wiz_parameter_page.h"

#include "common/ui/dialogs.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/wizard_routes.h"

namespace doz::wizard {

CWizParameterPage::CWizParameterPage(int index, CMainWizard& sheet, std::unique_ptr<ParameterPageModel> model)
    : sheet_(sheet), model_(std::move(model)) {
    const PageSlot& slot = pageSlots()[static_cast<std::size_t>(index)];
    setObjectName(QString::fromUtf8(slot.className.data(), static_cast<int>(slot.className.size())));
    setTitle(QString::fromUtf8(slot.title.data(), static_cast<int>(slot.title.size())));
    setFinalPage(true);
}

CWizParameterPage::~CWizParameterPage() = default;

void CWizParameterPage::initializePage() {
    showModel();
}

bool CWizParameterPage::validatePage() {
    takeControls();
    if (const std::optional<std::string> problem = model_->finishProblem()) {
        ui::dialogs().information(this, title(), QString::fromStdString(*problem));
        return false;
    }
    model_->complete();
    sheet_.setResultRecord(model_->record());
    return true;
}

} // namespace doz::wizard
