// The main window as it stands after construction and start-up.

#include "main_form_fixture.h"
#include "revorur/shell/content/content_pane.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>

namespace doz::shell {
namespace {

using testing::MainFormTest;

QStringList pagesOf(const QStackedWidget* nb) {
    QStringList names;
    for (int i = 0; i < nb->count(); ++i)
        names << nb->widget(i)->objectName();
    return names;
}

TEST_F(MainFormTest, NotebooksHaveTheirPagesAndStartPages) {
    struct Expected {
        const char* notebook;
        QStringList pages;
        const char* start;
    };
    const Expected expected[] = {
        {"Notebook_00", {"Page_Device", "Page_Software", "Page_Task"}, "Page_Device"},
        {"Notebook_01", {"Page_Task", "Page_Device", "Page_Software", "Page_Utility"}, "Page_Device"},
        {"Notebook_Function", {"Page_Device", "Page_Software", "Page_Task"}, "Page_Device"},
        {"Notebook_DeviceTree",
         {"Page_AllDevice", "Page_InstalledDevice", "Page_DeviceAlias"},
         "Page_InstalledDevice"},
        {"Notebook_DeviceHtml",
         {"Page_AllDevice", "Page_InstalledDevice", "Page_DeviceAlias"},
         "Page_InstalledDevice"},
        {"Notebook_DeviceFunction", {"Enable", "Disable"}, "Disable"},
        {"Notebook_DevCalibration", {"Enable", "Disable"}, "Disable"},
        {"Notebook_TaskFunc", {"Disable", "Enable"}, "Disable"},
    };
    for (const auto& e : expected) {
        const auto* nb = find<QStackedWidget>(e.notebook);
        ASSERT_NE(nb, nullptr) << e.notebook;
        EXPECT_EQ(pagesOf(nb), e.pages) << e.notebook;
        EXPECT_EQ(CurrentNotebookPage(nb), e.start) << e.notebook;
    }
}

TEST_F(MainFormTest, WindowCaptionSizeAndFunctionPanelTexts) {
    EXPECT_EQ(form->windowTitle(), "Revorur V1.52");
    EXPECT_EQ(form->minimumSize(), QSize(800, 600));
    EXPECT_EQ(find<QWidget>("Panel_Top")->height(), 49);
    EXPECT_EQ(find<QWidget>("Panel_Left")->width(), 233);
    EXPECT_EQ(find<QWidget>("Panel_Bottom")->height(), 119);

    const std::pair<const char*, const char*> boxes[] = {
        {"Edit_DevProduct", "Device Manager(All)"},
        {"Edit_DevDescription", "Drag the selected device item to subfunction button to launch"},
        {"EditSoftProduct", "Software Manager"},
        {"Edit_SoftDescription", "Drag the selected software item to subfunction button to launch"},
        {"Edit_Task", "Task Manager"},
        {"Edit_TaskDescription", "Drag the selected task item to subfunction button to launch"},
    };
    for (const auto& [name, text] : boxes) {
        const auto* box = find<QLineEdit>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), text) << name;
        EXPECT_TRUE(box->isReadOnly()) << name;
    }
    EXPECT_EQ(find<QPlainTextEdit>("Memo_DevTip")->toPlainText(),
              "Adjusts the memory configuration for modules performing continuous AI, DI, and DO operations");
    EXPECT_EQ(find<QPlainTextEdit>("Memo_SoftTip")->toPlainText(),
              "Displays a version table for software updating");
    EXPECT_EQ(find<QPlainTextEdit>("Memo_TaskTip")->toPlainText(), "Create new task");
}

TEST_F(MainFormTest, EveryFunctionButtonAndItsInertTwinExist) {
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn_DevConfiguration", "Configure"},
        {"BitBtn_DevConfiguration01", "Configure"},
        {"BitBtn_DevTestPanel", "Test Panel"},
        {"BitBtn_DevTestPanel01", "Test Panel"},
        {"BitBtn_DevCalibration", "Calibration"},
        {"BitBtn_DevCalibration01", "Calibration"},
        {"BitBtn_UpdateWizard", "Update Wizard"},
        {"BitBtn_SoftSample", "Sanples"},
        {"BitBtn_Ruzidavidez", "Ruzidavidez"},
        {"BitBtn_DataConversion", "Data Conversion"},
        {"BitBtn_TaskNew", "Create"},
        {"BitBtn_TaskDel", "Delete"},
        {"BitBtn_TaskDel_01", "Delete"},
        {"BitBtn_TaskModify", "Modify"},
        {"BitBtn_TaskModify_01", "Modify"},
        {"BitBtn_TaskRename", "Rename"},
        {"BitBtn_TaskRename_01", "Rename"},
        {"BitBtn_TaskTestPanel", "Task Test Panel"},
        {"BitBtn_TaskTestPanel_01", "Task Test Panel"},
        {"BitBtn_TaskCodeGen", "Generate C reference code"},
        {"BitBtn_TaskCodeGen_01", "Generate C reference code"},
        {"BitBtn_Device", "Device Manager"},
        {"BitBtn_Software", "Softeare Maintenance"},
        {"BitBtn_task", "Task Manager"},
    };
    for (const auto& [name, hint] : buttons) {
        const auto* b = find<QToolButton>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), hint) << name;
        EXPECT_FALSE(b->icon().isNull()) << name;
    }
    // Twins sit on the "Disable" page of the same small notebook as their working button.
    EXPECT_EQ(find<QWidget>("BitBtn_DevCalibration01")->parentWidget()->objectName(), "Disable");
    EXPECT_EQ(find<QWidget>("BitBtn_DevCalibration")->parentWidget()->parentWidget()->objectName(),
              "Notebook_DevCalibration");
    EXPECT_EQ(find<QWidget>("BitBtn_TaskCodeGen")->parentWidget()->objectName(), "Enable");
    EXPECT_EQ(find<QWidget>("BitBtn_TaskNew")->parentWidget()->objectName(), "Page_Task");
}

TEST_F(MainFormTest, TreesAndContentPanesExist) {
    for (const char* name : {"TreeView_AllDevice", "TreeView_InstalledDevice", "TreeView_DeviceAlias",
                             "TreeView_Software", "TreeView_Task"}) {
        const auto* tree = find<QTreeWidget>(name);
        ASSERT_NE(tree, nullptr) << name;
        EXPECT_EQ(tree->topLevelItemCount(), 0) << name << " stays empty until its manager fills it";
    }
    EXPECT_TRUE(form->TreeView_AllDevice->isSortingEnabled());
    EXPECT_TRUE(form->TreeView_InstalledDevice->isSortingEnabled());
    EXPECT_FALSE(form->TreeView_DeviceAlias->isSortingEnabled());
    EXPECT_TRUE(form->TreeView_Task->isSortingEnabled());
    EXPECT_EQ(form->TreeView_Task->indentation(), 35);
    EXPECT_EQ(form->TreeView_Software->indentation(), 35);
    EXPECT_EQ(form->ImageList_Task.size(), 20);
    EXPECT_EQ(form->ImageList_Device.size(), 13);
    EXPECT_EQ(form->ImageList_Software.size(), 4);
    for (const char* name :
         {"CppWebBrowser_SearchToken", "CppWebBrowser_AllDevice", "CppWebBrowser_InstalledDevice",
          "CppWebBrowser_DeviceAlias", "CppWebBrowser_Software"})
        EXPECT_NE(find<revorur::ContentPane>(name), nullptr) << name;
    EXPECT_EQ(form->ListView_Task->headerItem()->text(0), "Property");
    EXPECT_EQ(form->ListView_Task->headerItem()->text(1), "Value");
}

TEST_F(MainFormTest, MenusCarryTheirItems) {
    QStringList titles;
    for (QAction* a : form->MainMenu1->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Option", "&View", "&Help", "As&k a question"}));
    EXPECT_EQ(form->menuExit->text(), "&Exit");
    EXPECT_EQ(form->menuTaskFolder->text(), "&Task Folder...");
    EXPECT_EQ(form->Menu_Refresh->text(), "&Refresh");
    EXPECT_EQ(form->menuSystemDeviceManager->text(), "S&ystem Device manager");
    EXPECT_EQ(form->menuTechnicalSupport->text(), "&Technical Support");

    const auto texts = [](QMenu* m) {
        QStringList t;
        for (QAction* a : m->actions())
            t << a->text();
        return t;
    };
    EXPECT_EQ(texts(form->PopupMenu_Device), (QStringList{"Configuration", "Test Panel", "Calibration"}));
    EXPECT_EQ(texts(form->PopupMenu_Software),
              (QStringList{"&Update Wizard", "&Sample Dir", "&Ruzidavidez", "&Data Conversion Tool"}));
    EXPECT_EQ(texts(form->PopupMenu_Task), (QStringList{"&New", "&Delete", "&Modify", "&Rename",
                                                        "&Instant Test Panel", "&Code Generator"}));
    EXPECT_EQ(texts(form->PopupMenu_DeviceAlias),
              (QStringList{"&Add Alias...", "&Edit Alias...", "&Delete Alias"}));
}

TEST_F(MainFormTest, StartUpNavigatesThePanesAndRunsTheManagersInOrder) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Task Folder\"=\"/data/tasks\"\n\"Path\"=\"/data/\"\n");
    std::vector<std::string> calls;
    form->hooks.deviceEntryCount = [&] {
        calls.push_back("count");
        return 57;
    };
    form->hooks.buildAllDeviceTree = [&](TForm1&) { calls.push_back("all"); };
    form->hooks.buildAliasTree = [&](TForm1&) { calls.push_back("alias"); };
    form->hooks.buildInstalledDeviceTree = [&](TForm1&) { calls.push_back("installed"); };
    form->hooks.buildSoftwareTree = [&](TForm1&) { calls.push_back("software"); };
    form->hooks.buildTaskTree = [&](TForm1&) { calls.push_back("task"); };

    form->FormCreate("/opt/dozazar/Revorur");

    EXPECT_EQ(calls, (std::vector<std::string>{"count", "all", "alias", "installed", "software", "task"}));
    EXPECT_EQ(form->DeviceEntryCount, 57);
    EXPECT_EQ(form->ProgramFolder, "/opt/dozazar");
    EXPECT_EQ(form->TaskFolder, "/data/tasks");
    EXPECT_EQ(form->AliasIniPath, "/data/Task Manager/DeviceName.ini");
    EXPECT_TRUE(form->BitBtn_DeviceAlias->isEnabled());
    EXPECT_EQ(form->ListView_Task->header()->sectionSize(0), 100);
    EXPECT_EQ(form->ListView_Task->header()->sectionSize(1), 444);
    EXPECT_EQ(form->CppWebBrowser_SearchToken->currentTarget(),
              "/opt/dozazar/Content/VozizudOzadizezUzorurEraze.htm");
    EXPECT_EQ(form->CppWebBrowser_AllDevice->currentTarget(),
              "/opt/dozazar/Content/HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(form->CppWebBrowser_InstalledDevice->currentTarget(),
              "/opt/dozazar/Content/HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(form->CppWebBrowser_Software->currentTarget(),
              "/opt/dozazar/Content/SW_SoftwareProductPage.htm");
}

TEST_F(MainFormTest, WithoutTheEngineKeyTheAliasViewIsOff) {
    form->FormCreate("/opt/dozazar/Revorur");
    EXPECT_EQ(form->TaskFolder, "/opt/dozazar");
    EXPECT_EQ(form->AliasIniPath, "/opt/dozazar/Task Manager/DeviceName.ini");
    EXPECT_FALSE(form->BitBtn_DeviceAlias->isEnabled());
}

} // namespace
} // namespace doz::shell
