#include "tests/support/temp_registry.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace doz::platform::test {
namespace {

using namespace doz::test;

class RegistryRoundTrip : public RegistryTest {};

TEST_F(RegistryRoundTrip, StringsKeepQuotesBackslashesUnicodeAndLineBreaks) {
    auto key = createKey(RootKey::LocalMachine, kRadezuviKey);
    ASSERT_TRUE(key);
    const std::string folder = R"(C:\Program Files\"Dozazar"\Tâches – 測試 😀)";
    ASSERT_TRUE(key->writeString("Task Folder", folder));
    ASSERT_TRUE(key->writeString("Notes", "line one\nline two\r\n"));

    EXPECT_EQ(key->readString("Task Folder"), folder);
    EXPECT_EQ(key->readString("Notes"), "line one\nline two\r\n");
    const std::string text = hiveText();
    EXPECT_THAT(text, HasSubstr("REGEDIT4\n"));
    EXPECT_THAT(text, HasSubstr("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"));
    EXPECT_THAT(text, HasSubstr(R"("Task Folder"="C:\\Program Files\\\"Dozazar\"\\Tâches – 測試 😀")"));
    EXPECT_THAT(text, HasSubstr(R"("Notes"="line one\nline two\r\n")"));
}

TEST_F(RegistryRoundTrip, DwordsAndTheDefaultValue) {
    auto key = createKey(RootKey::LocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeDword("~MHz", 2400));
    ASSERT_TRUE(key->writeDword("Max", 0xFFFFFFFF));
    ASSERT_TRUE(key->writeString("", "default text"));

    EXPECT_EQ(key->readDword("~MHz"), 2400u);
    EXPECT_EQ(key->readDword("Max"), 0xFFFFFFFFu);
    EXPECT_EQ(key->readString(""), "default text");
    // A value of the other type is not there for that reader.
    EXPECT_EQ(key->readString("~MHz"), std::nullopt);
    EXPECT_EQ(key->readDword(""), std::nullopt);
    EXPECT_THAT(key->valueNames(), ElementsAre("~MHz", "Max", ""));
    const std::string text = hiveText();
    EXPECT_THAT(text, HasSubstr("\"~MHz\"=dword:00000960\n"));
    EXPECT_THAT(text, HasSubstr("\"Max\"=dword:ffffffff\n"));
    EXPECT_THAT(text, HasSubstr("@=\"default text\"\n"));
}

TEST_F(RegistryRoundTrip, OverwritingChangesTypeAndValueInPlace) {
    auto key = createKey(RootKey::CurrentUser, "Software\\Ruzidavidez\\Settings");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("PreviewPages", "2"));
    ASSERT_TRUE(key->writeDword("PreviewPages", 1));
    EXPECT_EQ(key->readDword("PreviewPages"), 1u);
    EXPECT_EQ(key->readString("PreviewPages"), std::nullopt);
    EXPECT_THAT(key->valueNames(), ElementsAre("PreviewPages"));
}

TEST_F(RegistryRoundTrip, RootsAreSeparate) {
    ASSERT_TRUE(createKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar")->writeString("v", "machine"));
    ASSERT_TRUE(createKey(RootKey::CurrentUser, "SOFTWARE\\Dozazar")->writeString("v", "user"));
    EXPECT_FALSE(openKey(RootKey::ClassesRoot, "SOFTWARE\\Dozazar"));
    EXPECT_EQ(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar")->readString("v"), "machine");
    EXPECT_EQ(openKey(RootKey::CurrentUser, "SOFTWARE\\Dozazar")->readString("v"), "user");
}

class RegistryNames : public RegistryTest {};

TEST_F(RegistryNames, KeysAndValuesMatchWhateverTheirCase) {
    ASSERT_TRUE(createKey(RootKey::LocalMachine, kRadezuviKey)->writeString("Task Folder", "/tasks"));

    auto key = openKey(RootKey::LocalMachine, "software\\DOZAZAR\\radezuvi\\currentVERSION");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("TASK FOLDER"), "/tasks");
    ASSERT_TRUE(key->writeString("task folder", "/other"));
    // One value, still spelled as it was first written.
    EXPECT_THAT(key->valueNames(), ElementsAre("Task Folder"));
    EXPECT_EQ(openKey(RootKey::LocalMachine, kRadezuviKey)->readString("Task Folder"), "/other");
}

TEST_F(RegistryNames, SubkeysListDirectChildrenInRegistryOrder) {
    for (const char* path :
         {"SOFTWARE\\Dozazar\\Beta\\CurrentVersion", "SOFTWARE\\Dozazar\\alpha", "SOFTWARE\\Dozazar\\Gamma",
          "SOFTWARE\\Dozazar\\a_b", "SOFTWARE\\Dozazar\\AB\\x\\y"})
        ASSERT_TRUE(createKey(RootKey::LocalMachine, path));

    // Windows orders by the upper-case form: "AB" < "ALPHA" < "A_B" ('B' < 'L' < '_').
    EXPECT_THAT(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar")->subkeys(),
                ElementsAre("AB", "alpha", "a_b", "Beta", "Gamma"));
    EXPECT_THAT(openKey(RootKey::LocalMachine, "SOFTWARE")->subkeys(), ElementsAre("Dozazar"));
    EXPECT_THAT(openKey(RootKey::LocalMachine, "")->subkeys(), ElementsAre("SOFTWARE"));
}

TEST_F(RegistryNames, PathsIgnoreDoubledAndOuterBackslashes) {
    ASSERT_TRUE(createKey(RootKey::LocalMachine, "\\SOFTWARE\\\\Dozazar\\"));
    EXPECT_TRUE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar"));
}

class RegistryKeys : public RegistryTest {};

TEST_F(RegistryKeys, MissingHiveReadsAsEmpty) {
    EXPECT_FALSE(openKey(RootKey::LocalMachine, kRadezuviKey));
    auto root = openKey(RootKey::LocalMachine, "");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->subkeys().empty());
    EXPECT_EQ(root->readString("anything"), std::nullopt);
}

TEST_F(RegistryKeys, OpenKeyNeverCreatesAndCreateKeyMakesTheParents) {
    EXPECT_FALSE(openKey(RootKey::LocalMachine, kRadezuviKey));
    EXPECT_FALSE(std::filesystem::exists(hiveFile()));

    ASSERT_TRUE(createKey(RootKey::LocalMachine, kRadezuviKey));
    EXPECT_TRUE(openKey(RootKey::LocalMachine, "SOFTWARE"));
    EXPECT_TRUE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Radezuvi"));
    EXPECT_TRUE(openKey(RootKey::LocalMachine, kRadezuviKey));
    EXPECT_FALSE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion\\Deeper"));
}

TEST_F(RegistryKeys, DeleteKeyTakesTheSubtreeAndHandlesGoStale) {
    auto product = createKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Deradiz\\CurrentVersion");
    ASSERT_TRUE(product);
    ASSERT_TRUE(product->writeString("Version", "2.0"));
    ASSERT_TRUE(createKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Diruzori"));

    EXPECT_TRUE(deleteKey(RootKey::LocalMachine, "software\\dozazar\\DERADIZ"));
    EXPECT_FALSE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Deradiz"));
    EXPECT_THAT(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar")->subkeys(), ElementsAre("Diruzori"));
    EXPECT_EQ(product->readString("Version"), std::nullopt);
    EXPECT_FALSE(product->writeString("Version", "3.0"));
    EXPECT_FALSE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Deradiz"));

    EXPECT_FALSE(deleteKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Deradiz"));
    EXPECT_FALSE(deleteKey(RootKey::LocalMachine, ""));
}

TEST_F(RegistryKeys, DeleteValue) {
    auto key = createKey(RootKey::LocalMachine, kRadezuviKey);
    ASSERT_TRUE(key->writeString("Path", "/p"));
    EXPECT_TRUE(key->deleteValue("PATH"));
    EXPECT_EQ(key->readString("Path"), std::nullopt);
    EXPECT_FALSE(key->deleteValue("Path"));
}

TEST_F(RegistryKeys, TextThatCannotBeStoredIsRefused) {
    auto key = createKey(RootKey::LocalMachine, kRadezuviKey);
    EXPECT_FALSE(key->writeString("Latin1", "caf\xE9"));
    EXPECT_FALSE(key->writeString("Nul", std::string_view("a\0b", 3)));
    EXPECT_FALSE(key->writeString(std::string_view("N\0", 2), "x"));
    EXPECT_FALSE(createKey(RootKey::LocalMachine, "SOFTWARE\\Bad\x01Name"));
    EXPECT_TRUE(key->valueNames().empty());
}

TEST_F(RegistryKeys, ChangesByOtherWritersAreSeen) {
    ASSERT_TRUE(createKey(RootKey::LocalMachine, kRadezuviKey)->writeString("Path", "/first"));
    auto key = openKey(RootKey::LocalMachine, kRadezuviKey);
    ASSERT_EQ(key->readString("Path"), "/first");

    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Path\"=\"/changed by someone else\"\n");
    EXPECT_EQ(key->readString("Path"), "/changed by someone else");
}

TEST(RegistryUnwritable, WritesFailWithoutHarm) {
    TempFolder folder;
    const std::filesystem::path notAFolder = folder.path() / "plain-file";
    ASSERT_TRUE(writeFileAtomically(notAFolder, "x"));
    ScopedEnv env("DOZAZAR_REGISTRY", (notAFolder / "registry.reg").string());

    EXPECT_FALSE(createKey(RootKey::LocalMachine, kRadezuviKey));
    EXPECT_FALSE(deleteKey(RootKey::LocalMachine, "SOFTWARE"));
    EXPECT_FALSE(openKey(RootKey::LocalMachine, kRadezuviKey));
}

TEST(RegistryFile, FollowsTheEnvironment) {
    {
        ScopedEnv hive("DOZAZAR_REGISTRY", "/somewhere/hive.reg");
        EXPECT_EQ(registryFile(), "/somewhere/hive.reg");
    }
    ScopedEnv noHive("DOZAZAR_REGISTRY", "");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(registryFile(), "/cfg/dozazar/registry.reg");
    }
    ScopedEnv config("XDG_CONFIG_HOME", "");
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(registryFile(), "/home/someone/.config/dozazar/registry.reg");
}

} // namespace
} // namespace doz::platform::test
