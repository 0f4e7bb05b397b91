#include "tests/support/temp_registry.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include "common/platform/tools/dozreg_commands.h"

#include <gmock/gmock.h>

#include <sstream>

using ::testing::HasSubstr;

namespace doz::platform::test {
namespace {

using namespace doz::test;

constexpr const char* kRadezuvi = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion";
constexpr const char* kBrowser = "HKEY_CLASSES_ROOT\\http\\shell\\open\\command";

class Dozreg : public RegistryTest {
protected:
    int run(std::vector<std::string> arguments) {
        out_.str("");
        err_.str("");
        return runDozreg(arguments, out_, err_);
    }
    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(Dozreg, SetIfMissingSeedsOnceAndKeepsWhatIsThere) {
    EXPECT_EQ(run({"set-if-missing", kRadezuvi, "Task Folder", "/home/u/Tasks"}), 0);
    EXPECT_EQ(run({"set-if-missing", kRadezuvi, "Task Folder", "/elsewhere"}), 0);
    EXPECT_EQ(run({"get", kRadezuvi, "task folder"}), 0);
    EXPECT_EQ(out(), "/home/u/Tasks\n");

    ASSERT_EQ(run({"set-dword", kRadezuvi, "Count", "5"}), 0);
    EXPECT_EQ(run({"set-if-missing", kRadezuvi, "Count", "text"}), 0);
    EXPECT_EQ(
        openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion")->readDword("Count"),
        5u);
}

TEST_F(Dozreg, TheDefaultValueOfTheBrowserKey) {
    const std::string command = R"("C:\Program Files\Web Browser\browser.exe" "%1")";
    EXPECT_EQ(run({"set-if-missing", kBrowser, "", command}), 0);
    EXPECT_EQ(run({"get", kBrowser, ""}), 0);
    EXPECT_EQ(out(), command + "\n");
    EXPECT_EQ(openKey(RootKey::ClassesRoot, "http\\shell\\open\\command")->readString(""), command);
}

TEST_F(Dozreg, SetOverwritesAndSetDwordTakesDecimalOrHex) {
    EXPECT_EQ(run({"set", kRadezuvi, "Path", "/a/"}), 0);
    EXPECT_EQ(run({"set", kRadezuvi, "Path", "/b/"}), 0);
    EXPECT_EQ(run({"get", kRadezuvi, "Path"}), 0);
    EXPECT_EQ(out(), "/b/\n");

    EXPECT_EQ(run({"set-dword", kRadezuvi, "Hex", "0x0000000A"}), 0);
    EXPECT_EQ(run({"get", kRadezuvi, "Hex"}), 0);
    EXPECT_EQ(out(), "10\n");
    EXPECT_EQ(run({"set-dword", kRadezuvi, "Max", "4294967295"}), 0);
    for (const char* bad : {"4294967296", "-1", "12x", "", "0x"}) {
        EXPECT_EQ(run({"set-dword", kRadezuvi, "Bad", bad}), 1) << bad;
        EXPECT_THAT(err(), HasSubstr("not a 32-bit number")) << bad;
    }
}

TEST_F(Dozreg, MissingKeysAndValuesFail) {
    EXPECT_EQ(run({"get", kRadezuvi, "Path"}), 1);
    EXPECT_THAT(err(), HasSubstr("no such key"));
    ASSERT_EQ(run({"set", kRadezuvi, "Path", "/p/"}), 0);
    EXPECT_EQ(run({"get", kRadezuvi, "Nothing"}), 1);
    EXPECT_THAT(err(), HasSubstr("no value \"Nothing\""));
    EXPECT_EQ(out(), "");
}

TEST_F(Dozreg, DeleteKey) {
    ASSERT_EQ(run({"set", kRadezuvi, "Path", "/p/"}), 0);
    EXPECT_EQ(run({"delete-key", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi"}), 0);
    EXPECT_FALSE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Radezuvi"));
    EXPECT_TRUE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar"));
    EXPECT_EQ(run({"delete-key", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi"}), 1);
    EXPECT_THAT(err(), HasSubstr("no such key"));
    EXPECT_EQ(run({"delete-key", "HKEY_LOCAL_MACHINE"}), 1);
}

TEST_F(Dozreg, BadCommandLinesExplainThemselves) {
    EXPECT_EQ(run({}), 1);
    EXPECT_THAT(err(), HasSubstr("usage: dozreg"));
    EXPECT_EQ(run({"frobnicate", kRadezuvi}), 1);
    EXPECT_THAT(err(), HasSubstr("usage: dozreg"));
    EXPECT_EQ(run({"set", kRadezuvi, "Path"}), 1);
    EXPECT_THAT(err(), HasSubstr("usage: dozreg"));
    EXPECT_EQ(run({"set", "HKLM\\SOFTWARE", "Path", "x"}), 1);
    EXPECT_THAT(err(), HasSubstr("HKEY_LOCAL_MACHINE"));
    EXPECT_FALSE(std::filesystem::exists(hiveFile()));
}

} // namespace
} // namespace doz::platform::test
