#include "viruveza/wizard/wiz_data_src.h"

#include "common/ui/dialogs.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/wizard_pictures.h"
#include "viruveza/wizard/wizard_routes.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace doz::wizard {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The process's current folder; the home folder when it cannot be read.
std::filesystem::path currentFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error || folder.empty())
        return QDir::homePath().toStdString();
    return folder;
}

QLabel* buddyLabel(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CWizDataSrc::CWizDataSrc(CMainWizard& sheet) : sheet_(sheet) {
    setObjectName("CWizDataSrc");
    setTitle("Code Generator");
    setSubTitle("Name the code file, choose where it goes, then pick the card line, the card and "
                "the operation the generated C code performs.");

    Edit_CodeFileName = new QLineEdit;
    Edit_CodeFileName->setObjectName("Edit_CodeFileName");
    Edit_Location = new QLineEdit;
    Edit_Location->setObjectName("Edit_Location");
    Btn_Browse = new QPushButton("...");
    Btn_Browse->setObjectName("Btn_Browse");
    Btn_Browse->setAccessibleName("Browse for the location");
    Btn_Browse->setToolTip("Choose the folder of the code file");
    Btn_Browse->setFixedWidth(32);
    Lbl_TargetFile = new QLabel;
    Lbl_TargetFile->setObjectName("Lbl_TargetFile");
    Lbl_TargetFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Lbl_TargetFile->setStyleSheet("color: palette(mid);");

    auto* fileBox = new QGroupBox("Code file");
    auto* fileGrid = new QGridLayout(fileBox);
    fileGrid->addWidget(buddyLabel("Code file name:", Edit_CodeFileName), 0, 0);
    fileGrid->addWidget(Edit_CodeFileName, 0, 1, 1, 2);
    fileGrid->addWidget(buddyLabel("Location:", Edit_Location), 1, 0);
    fileGrid->addWidget(Edit_Location, 1, 1);
    fileGrid->addWidget(Btn_Browse, 1, 2);
    fileGrid->addWidget(Lbl_TargetFile, 2, 1, 1, 2);
    fileGrid->setColumnStretch(1, 1);

    Tree_CardLine = new QTreeWidget;
    Tree_CardLine->setObjectName("Tree_CardLine");
    Tree_CardLine->setHeaderHidden(true);
    Tree_CardLine->setRootIsDecorated(false);
    Tree_CardLine->setIconSize(QSize(32, 32));
    Tree_CardLine->setFixedWidth(150);
    for (int line : {kClassicLine, kE400Line}) {
        auto* item = new QTreeWidgetItem(Tree_CardLine, {fromView(lineLabel(line))});
        item->setIcon(0, QIcon(cardLineIcon(line)));
        item->setData(0, Qt::UserRole, line);
    }
    Cmb_CardType = new QComboBox;
    Cmb_CardType->setObjectName("Cmb_CardType");
    Cmb_CardType->setMaxVisibleItems(16);
    List_Operation = new QListWidget;
    List_Operation->setObjectName("List_Operation");
    List_Operation->setAccessibleName("Operation:");
    Tree_CardLine->setAccessibleName("Card line:");

    auto* deviceBox = new QGroupBox("Device and operation");
    auto* deviceGrid = new QGridLayout(deviceBox);
    deviceGrid->addWidget(buddyLabel("Card line:", Tree_CardLine), 0, 0);
    deviceGrid->addWidget(buddyLabel("Card type:", Cmb_CardType), 0, 1);
    deviceGrid->addWidget(Tree_CardLine, 1, 0, 3, 1);
    deviceGrid->addWidget(Cmb_CardType, 1, 1);
    deviceGrid->addWidget(buddyLabel("Operation:", List_Operation), 2, 1);
    deviceGrid->addWidget(List_Operation, 3, 1);
    deviceGrid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileBox);
    layout->addWidget(deviceBox, 1);

    connect(Edit_Location, &QLineEdit::editingFinished, this, [this] { Edit_LocationKillFocus(); });
    connect(Edit_CodeFileName, &QLineEdit::textEdited, this, [this](const QString& name) {
        model_.setCodeFileName(name.toStdString());
        showTargetFile();
    });
    connect(Btn_Browse, &QPushButton::clicked, this, [this] { Btn_BrowseClick(); });
    connect(Tree_CardLine, &QTreeWidget::itemSelectionChanged, this, [this] { Tree_CardLineSelChanged(); });
    connect(Cmb_CardType, &QComboBox::currentIndexChanged, this, [this] { Cmb_CardTypeSelChange(); });
    connect(List_Operation, &QListWidget::currentRowChanged, this, [this] { List_OperationSelChange(); });
}

void CWizDataSrc::initializePage() {
    if (!model_.displayed()) {
        model_.firstDisplay(currentFolder());
        selectLineItem(kClassicLine);
        showCards();
    }
    activate();
}

void CWizDataSrc::activate() {
    Edit_Location->setText(text(model_.location()));
    Edit_CodeFileName->setText(text(model_.codeFileName()));
    selectLineItem(sheet_.cardLine());
    showTargetFile();
}

void CWizDataSrc::selectLineItem(int line) {
    if (QTreeWidgetItem* item = Tree_CardLine->topLevelItem(line == kE400Line ? 1 : 0);
        item != Tree_CardLine->currentItem())
        Tree_CardLine->setCurrentItem(item);
}

void CWizDataSrc::showCards() {
    filling_ = true;
    Cmb_CardType->clear();
    for (std::string_view name : cardNames(model_.line()))
        Cmb_CardType->addItem(fromView(name));
    Cmb_CardType->setCurrentIndex(model_.cardIndex());
    filling_ = false;
    showOperations();
}

void CWizDataSrc::showOperations() {
    filling_ = true;
    List_Operation->clear();
    for (const OperationChoice& choice : model_.operations())
        List_Operation->addItem(fromView(choice.name));
    List_Operation->setCurrentRow(model_.operationSelection());
    filling_ = false;
}

void CWizDataSrc::showTargetFile() {
    Lbl_TargetFile->setText("Writes " + QString::fromStdString(model_.targetFile().string()));
}

void CWizDataSrc::Edit_LocationKillFocus() {
    model_.setLocation(Edit_Location->text().toStdString());
    Edit_Location->setText(text(model_.location()));
    showTargetFile();
}

void CWizDataSrc::Btn_BrowseClick() {
    const QString folder = ui::dialogs().chooseFolder(this, "Choose Directory", text(model_.location()));
    if (folder.isEmpty())
        return;
    Edit_Location->setText(folder);
    Edit_LocationKillFocus();
}

void CWizDataSrc::Tree_CardLineSelChanged() {
    QTreeWidgetItem* item = Tree_CardLine->currentItem();
    if (!item)
        return;
    const int line = item->data(0, Qt::UserRole).toInt();
    if (line == model_.line() && Cmb_CardType->count() > 0)
        return;
    model_.selectLine(line);
    showCards();
}

void CWizDataSrc::Cmb_CardTypeSelChange() {
    if (filling_ || Cmb_CardType->currentIndex() < 0)
        return;
    model_.selectCard(Cmb_CardType->currentIndex());
    showOperations();
}

void CWizDataSrc::List_OperationSelChange() {
    if (!filling_)
        model_.selectOperation(List_Operation->currentRow());
}

int CWizDataSrc::nextId() const {
    return model_.targetPage();
}

void CWizDataSrc::stayOnName() {
    Edit_CodeFileName->selectAll();
    Edit_CodeFileName->setFocus();
}

bool CWizDataSrc::validatePage() {
    model_.setCodeFileName(Edit_CodeFileName->text().toStdString());
    model_.setLocation(Edit_Location->text().toStdString());
    Edit_Location->setText(text(model_.location()));
    ui::Dialogs& dialogs = ui::dialogs();

    if (const auto problem = model_.nameProblem()) {
        dialogs.information(this, title(), text(*problem));
        stayOnName();
        return false;
    }
    if (const auto problem = model_.locationProblem()) {
        dialogs.information(this, title(), text(*problem));
        Edit_Location->setFocus();
        return false;
    }
    if (model_.locationMissing()) {
        if (dialogs.confirm(this, title(), text(model_.createFolderQuestion())))
            if (const auto failure = model_.createLocation()) {
                dialogs.information(this, title(), text(*failure));
                Edit_Location->setFocus();
                return false;
            }
    } else if (const auto question = model_.replaceQuestion()) {
        if (!dialogs.confirm(this, title(), text(*question))) {
            stayOnName();
            return false;
        }
    }
    const DataSrcChoice choice = model_.choice();
    sheet_.takeChoice(choice.line, choice.cardIndex, choice.operation, text(choice.outputPath), choice.page);
    return true;
}

} // namespace doz::wizard
