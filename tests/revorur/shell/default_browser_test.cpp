#include "revorur/shell/default_browser.h"

#include "common/platform/registry.h"
#include "common/ui/testing/recording_launcher.h"
#include "tests/support/temp_registry.h"

namespace doz::shell {
namespace {

TEST(BrowserProgram, TakesTheUpperCasedPathUpToTheFirstExe) {
    EXPECT_EQ(BrowserProgramOf("\"C:\\Program Files\\Web\\browser.exe\" -- \"%1\""),
              "C:\\PROGRAM FILES\\WEB\\BROWSER.EXE");
    EXPECT_EQ(BrowserProgramOf("C:\\web\\view.exe %1"), "C:\\WEB\\VIEW.EXE");
    EXPECT_EQ(BrowserProgramOf("c:\\a.exe\\b.exe"), "C:\\A.EXE");
    EXPECT_FALSE(BrowserProgramOf("").has_value());
    EXPECT_FALSE(BrowserProgramOf("/usr/bin/firefox %u").has_value());
}

class OpenWithDefaultBrowserTest : public test::RegistryTest {};

TEST_F(OpenWithDefaultBrowserTest, StartsTheRegisteredBrowserWithTheTarget) {
    writeHive("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]\n"
              "@=\"\\\"C:\\\\Web\\\\browser.exe\\\" \\\"%1\\\"\"\n");
    ui::testing::ScopedLauncher launcher;
    OpenWithDefaultBrowser("https://www.dozazar.example/");
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].arguments, std::vector<std::string>{"https://www.dozazar.example/"});
}

TEST_F(OpenWithDefaultBrowserTest, StartsNothingWithoutARegisteredBrowser) {
    ui::testing::ScopedLauncher launcher;
    OpenWithDefaultBrowser("/opt/Content/TechnicalSupportPage.mht");
    writeHive("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]\n@=\"no program here\"\n");
    OpenWithDefaultBrowser("/opt/Content/TechnicalSupportPage.mht");
    EXPECT_TRUE(launcher.requests.empty());
}

} // namespace
} // namespace doz::shell
