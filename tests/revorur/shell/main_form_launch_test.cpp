// Programs and pages the main window's menus start.

#include "common/ui/testing/recording_launcher.h"
#include "main_form_fixture.h"
#include "tests/support/files.h"
#include "tests/support/scoped_env.h"

#include <QAction>

#include <filesystem>

namespace doz::shell {
namespace {

using testing::MainFormTest;

class MenuLaunchTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        writeHive("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]\n"
                  "@=\"\\\"C:\\\\Web\\\\browser.exe\\\" \\\"%1\\\"\"\n");
        form->FormCreate("/opt/dz/Revorur");
    }
    ui::testing::ScopedLauncher launcher;
};

TEST_F(MenuLaunchTest, HelpAndQuestionMenusOpenPagesInTheBrowser) {
    form->menuTechnicalSupport->trigger();
    form->Menu_Dozazar->trigger();
    form->menuCustomerFeedback->trigger();
    ASSERT_EQ(launcher.requests.size(), 3u);
    EXPECT_EQ(launcher.requests[0].arguments,
              std::vector<std::string>{"/opt/dz/Content/TechnicalSupportPage.mht"});
    for (const auto& r : launcher.requests)
        EXPECT_EQ(r.program, launcher.requests[0].program);
    EXPECT_NE(launcher.requests[1].arguments[0].find("http"), std::string::npos);
    EXPECT_NE(launcher.requests[1].arguments[0], launcher.requests[2].arguments[0]);
}

TEST_F(MenuLaunchTest, SystemDeviceManagerStartsAnInstalledHardwareBrowserAndVideoTutorialsNothing) {
    const test::ScopedEnv searchPath("PATH", folder().path().string());
    const auto install = [this](const char* program) {
        const std::filesystem::path file = folder().file(program);
        test::WriteFile(file, "#!/bin/sh\n");
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    };

    form->menuSystemDeviceManager->trigger();
    EXPECT_TRUE(launcher.requests.empty()) << "none installed: nothing starts";

    install("lshw-gtk");
    form->menuSystemDeviceManager->trigger();
    install("hardinfo");
    form->menuSystemDeviceManager->trigger();
    ASSERT_EQ(launcher.requests.size(), 2u);
    EXPECT_EQ(launcher.programs(), (std::vector<std::string>{"lshw-gtk", "hardinfo"}));
    EXPECT_TRUE(launcher.requests[1].arguments.empty());

    form->menuVideoTutorials->trigger();
    EXPECT_EQ(launcher.requests.size(), 2u) << "video tutorials do nothing";
}

TEST_F(MenuLaunchTest, MenuItemsOfOtherManagersRunTheirRegisteredActions) {
    std::vector<QString> ran;
    for (const char* name : {"menuTaskFolder", "menuSystemInformation", "menuAbout"})
        form->SetFunctionAction(name, [&ran, name] { ran.push_back(name); });
    form->menuTaskFolder->trigger();
    form->menuSystemInformation->trigger();
    form->menuAbout->trigger();
    EXPECT_EQ(ran, (std::vector<QString>{"menuTaskFolder", "menuSystemInformation", "menuAbout"}));
}

TEST_F(MenuLaunchTest, ExitClosesTheWindow) {
    form->show();
    ASSERT_TRUE(form->isVisible());
    form->menuExit->trigger();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace doz::shell
