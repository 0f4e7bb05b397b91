#pragma once
// CWizDataSrc, the Code Generator page: code file name and location, the card-line tree, the
// card list and the operation list. Its Next runs the checks of DataSrcModel, asks its
// questions through the dialogs seam and leads to the page of the routing table.

#include "viruveza/wizard/data_src_model.h"

#include <QWizardPage>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace doz::wizard {

class CMainWizard;

class CWizDataSrc : public QWizardPage {
    Q_OBJECT
public:
    explicit CWizDataSrc(CMainWizard& sheet);

    DataSrcModel& model() { return model_; }

    QLineEdit* Edit_CodeFileName;
    QLineEdit* Edit_Location;
    QPushButton* Btn_Browse;
    QTreeWidget* Tree_CardLine;
    QComboBox* Cmb_CardType;
    QListWidget* List_Operation;
    QLabel* Lbl_TargetFile;

    void initializePage() override;
    bool validatePage() override;
    int nextId() const override;
    // Every activation: the edits show the page's values and the sheet's card line is selected.
    void activate();

    // Handlers.
    void Edit_LocationKillFocus();
    void Btn_BrowseClick();
    void Tree_CardLineSelChanged();
    void Cmb_CardTypeSelChange();
    void List_OperationSelChange();

private:
    void showCards();
    void showOperations();
    void showTargetFile();
    void selectLineItem(int line);
    void stayOnName();

    CMainWizard& sheet_;
    DataSrcModel model_;
    bool filling_ = false;
};

} // namespace doz::wizard
