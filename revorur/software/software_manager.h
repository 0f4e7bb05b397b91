#pragma once
// The software manager: fills the software tree with the maker's products and their installed
// marks, shows the matching section of the product pages and runs the software functions.
// It plugs into the main window through the form's hooks and function actions.

#include <QMetaObject>

namespace doz::shell {
class TForm1;
}

namespace doz::software {

class SoftwareManager {
public:
    explicit SoftwareManager(shell::TForm1& form);
    SoftwareManager(const SoftwareManager&) = delete;
    SoftwareManager& operator=(const SoftwareManager&) = delete;
    ~SoftwareManager();

    void BuildSoftwareTree();
    void NavigateSoftwarePane();

    void TreeView_SoftwareChange();
    void BitBtn_SoftOverviewClick();
    void BitBtn_SoftHwSupportClick();
    void BitBtn_SoftRefreshClick();
    void BitBtn_UpdateWizardClick();
    void BitBtn_SoftSampleClick();
    void BitBtn_RuzidavidezClick();
    void BitBtn_DataConversionClick();

private:
    void showPages(int pageMode);

    shell::TForm1& form_;
    QMetaObject::Connection selectionChanged_;
};

} // namespace doz::software
