#include "shell_forms.h"

#include "about_form.h"
#include "common/ui/dialogs.h"
#include "main_form.h"
#include "system_info_form.h"
#include "welcome_form.h"

namespace doz::shell {
namespace {
// The About box sits this far right of and below the main window's top-left corner.
constexpr int AboutOffset = 24;
} // namespace

ShellForms::ShellForms(TForm1& form) : form_(form) {
    form_.hooks.firstShown = [this](TForm1&) { ShowWelcome(); };
    form_.SetFunctionAction("menuAbout", [this] { ShowAbout(); });
    form_.SetFunctionAction("menuSystemInformation", [this] { ShowSystemInformation(); });
}

ShellForms::~ShellForms() {
    form_.hooks.firstShown = nullptr;
    form_.SetFunctionAction("menuAbout", nullptr);
    form_.SetFunctionAction("menuSystemInformation", nullptr);
}

void ShellForms::ShowWelcome() {
    TForm_Welcome welcome(&form_);
    ui::dialogs().runModal(&welcome);
}

void ShellForms::ShowAbout() {
    TForm_About about(&form_);
    about.move(form_.pos() + QPoint(AboutOffset, AboutOffset));
    ui::dialogs().runModal(&about);
}

void ShellForms::ShowSystemInformation() {
    TForm_SystemInfo info(&form_);
    ui::dialogs().runModal(&info);
}

} // namespace doz::shell
