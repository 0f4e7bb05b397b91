#pragma once
// The software manager: fills the software tree with the maker's products and their installed
// versions, shows the product pages and runs the software functions.
// It plugs into the main window through the form's hooks and function actions.

namespace doz::shell {
class TForm1;
}

namespace doz::software {

class SoftwareManager {
public:
    explicit SoftwareManager(shell::TForm1& form);
    SoftwareManager(const SoftwareManager&) = delete;
    SoftwareManager& operator=(const SoftwareManager&) = delete;

private:
    shell::TForm1& form_;
};

} // namespace doz::software
