// The main menu and the pop-up menus of the main window.

#include "main_form.h"

#include "common/platform/launcher.h"
#include "content_rules.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace doz::shell {
namespace {

// Web pages of the maker.
constexpr const char* HomePageAddress = "https://www.dozazar.example/";
constexpr const char* FeedbackAddress = "https://www.dozazar.example/support/feedback";

// The system's device manager has no one counterpart here: the first of these hardware
// browsers found on PATH stands in for it, and without one the item does nothing.
constexpr const char* DeviceManagerPrograms[] = {"hardinfo2", "hardinfo", "lshw-gtk", "kinfocenter"};

void StartSystemDeviceManager() {
    for (const char* program : DeviceManagerPrograms) {
        if (platform::resolveProgram(program)) {
            platform::launcher().start({program, {}});
            return;
        }
    }
}

QAction* item(QMenu* menu, const char* name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

struct PopupItem {
    const char* name;
    const char* text;
    const char* button; // the function button whose action the item runs
};

constexpr PopupItem devicePopup[] = {
    {"PopupDevice_Configuration", "Configuration", "BitBtn_DevConfiguration"},
    {"PopupDevice_TestPanel", "Test Panel", "BitBtn_DevTestPanel"},
    {"PopupDevice_Calibration", "Calibration", "BitBtn_DevCalibration"},
};
constexpr PopupItem softwarePopup[] = {
    {"PopupSoftware_UpdateWizard", "&Update Wizard", "BitBtn_UpdateWizard"},
    {"PopupSoftware_SampleDir", "&Sample Dir", "BitBtn_SoftSample"},
    {"PopupSoftware_Ruzidavidez", "&Ruzidavidez", "BitBtn_Ruzidavidez"},
    {"PopupSoftware_DataConversion", "&Data Conversion Tool", "BitBtn_DataConversion"},
};
constexpr PopupItem taskPopup[] = {
    {"PopupTask_New", "&New", "BitBtn_TaskNew"},
    {"PopupTask_Delete", "&Delete", "BitBtn_TaskDel"},
    {"PopupTask_Modify", "&Modify", "BitBtn_TaskModify"},
    {"PopupTask_Rename", "&Rename", "BitBtn_TaskRename"},
    {"PopupTask_TestPanel", "&Instant Test Panel", "BitBtn_TaskTestPanel"},
    {"PopupTask_CodeGen", "&Code Generator", "BitBtn_TaskCodeGen"},
};
// The alias commands belong to the alias manager, which registers them under these names.
constexpr PopupItem aliasPopup[] = {
    {"PopupAlias_Add", "&Add Alias...", "PopupAlias_Add"},
    {"PopupAlias_Edit", "&Edit Alias...", "PopupAlias_Edit"},
    {"PopupAlias_Delete", "&Delete Alias", "PopupAlias_Delete"},
};

} // namespace

void TForm1::buildMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");

    QMenu* file = MainMenu1->addMenu("&File");
    menuExit = item(file, "menuExit", "&Exit");
    connect(menuExit, &QAction::triggered, this, &QWidget::close);

    QMenu* option = MainMenu1->addMenu("&Option");
    menuTaskFolder = item(option, "menuTaskFolder", "&Task Folder...");
    connect(menuTaskFolder, &QAction::triggered, this, [this] { RunFunction("menuTaskFolder"); });

    QMenu* view = MainMenu1->addMenu("&View");
    menuDevice = item(view, "menuDevice", "&Device Manager");
    menuSoftware = item(view, "menuSoftware", "&Software Manager");
    menuTask = item(view, "menuTask", "&Task Manager");
    const std::pair<QAction*, Manager> managers[] = {
        {menuDevice, Manager::Device}, {menuSoftware, Manager::Software}, {menuTask, Manager::Task}};
    for (const auto& [action, manager] : managers) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, m = manager] { SwitchManager(m); });
    }
    menuDevice->setChecked(true);
    view->addSeparator();
    Menu_Refresh = item(view, "Menu_Refresh", "&Refresh");
    connect(Menu_Refresh, &QAction::triggered, this, [this] {
        if (hooks.buildTaskTree)
            hooks.buildTaskTree(*this);
    });

    QMenu* help = MainMenu1->addMenu("&Help");
    Menu_Dozazar = item(help, "Menu_Dozazar", "&Dozazar on Web");
    connect(Menu_Dozazar, &QAction::triggered, this, [this] { OpenWithDefaultBrowser(HomePageAddress); });
    menuSystemInformation = item(help, "menuSystemInformation", "&System Information");
    connect(menuSystemInformation, &QAction::triggered, this,
            [this] { RunFunction("menuSystemInformation"); });
    menuSystemDeviceManager = item(help, "menuSystemDeviceManager", "S&ystem Device manager");
    connect(menuSystemDeviceManager, &QAction::triggered, this, [] { StartSystemDeviceManager(); });
    menuVideoTutorials = item(help, "menuVideoTutorials", "&Video Tutorials");
    help->addSeparator();
    menuAbout = item(help, "menuAbout", "A&bout...");
    connect(menuAbout, &QAction::triggered, this, [this] { RunFunction("menuAbout"); });

    QMenu* ask = MainMenu1->addMenu("As&k a question");
    menuCustomerFeedback = item(ask, "menuCustomerFeedback", "&Customer Feedback System");
    connect(menuCustomerFeedback, &QAction::triggered, this,
            [this] { OpenWithDefaultBrowser(FeedbackAddress); });
    menuTechnicalSupport = item(ask, "menuTechnicalSupport", "&Technical Support");
    connect(menuTechnicalSupport, &QAction::triggered, this,
            [this] { OpenWithDefaultBrowser(ContentPath(ProgramFolder, TechnicalSupportPage)); });
}

void TForm1::buildPopupMenus() {
    const auto build = [this](const char* name, std::span<const PopupItem> items) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        for (const auto& i : items) {
            QAction* a = item(menu, i.name, QString::fromLatin1(i.text));
            connect(a, &QAction::triggered, this,
                    [this, b = QString::fromLatin1(i.button)] { RunFunction(b); });
        }
        return menu;
    };
    PopupMenu_Device = build("PopupMenu_Device", devicePopup);
    PopupMenu_Software = build("PopupMenu_Software", softwarePopup);
    PopupMenu_Task = build("PopupMenu_Task", taskPopup);
    PopupMenu_DeviceAlias = build("PopupMenu_DeviceAlias", aliasPopup);
}

} // namespace doz::shell
