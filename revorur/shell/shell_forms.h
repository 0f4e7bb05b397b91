#pragma once
// The shell's small forms on the main window: the welcome splash when the window first shows,
// and the About and System Information dialogs of the Help menu. Each is created when its
// command runs, shown modally and destroyed when it closes.

namespace doz::shell {

class TForm1;

class ShellForms {
public:
    explicit ShellForms(TForm1& form);
    ShellForms(const ShellForms&) = delete;
    ShellForms& operator=(const ShellForms&) = delete;
    ~ShellForms();

    void ShowWelcome();
    void ShowAbout();
    void ShowSystemInformation();

private:
    TForm1& form_;
};

} // namespace doz::shell
