#include "revorur/shell/startup_paths.h"

#include "common/platform/registry.h"
#include "tests/support/temp_registry.h"

namespace doz::shell {
namespace {

using platform::openKey;
using platform::RootKey;

class StartupPathsTest : public test::RegistryTest {};

TEST(ProgramFolder, IsThePathBeforeTheLastSeparator) {
    EXPECT_EQ(ProgramFolderOf("/opt/dozazar/bin/Revorur"), "/opt/dozazar/bin");
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Dozazar\\Revorur.exe"), "C:/Program Files/Dozazar");
    EXPECT_EQ(ProgramFolderOf("Revorur"), "");
}

TEST_F(StartupPathsTest, ReadsTaskFolderAndAliasStoreFromTheEngineKey) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Task Folder\"=\"/data/tasks/\"\n\"Path\"=\"/data/\"\n");
    const StartupPaths paths = ReadStartupPaths("/opt/prog");
    EXPECT_EQ(paths.taskFolder, "/data/tasks") << "one trailing separator is dropped";
    EXPECT_EQ(paths.aliasIniPath, "/data/Task Manager/DeviceName.ini");
    EXPECT_TRUE(paths.aliasStoreRegistered);
}

TEST_F(StartupPathsTest, WindowsSeparatorsInStoredPathsBecomeNative) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Task Folder\"=\"D:\\\\Tasks\\\\\\\\\"\n\"Path\"=\"D:\\\\Dozazar\\\\\"\n");
    const StartupPaths paths = ReadStartupPaths("/opt/prog");
    EXPECT_EQ(paths.taskFolder, "D:/Tasks/") << "only one trailing separator goes";
    EXPECT_EQ(paths.aliasIniPath, "D:/Dozazar/Task Manager/DeviceName.ini");
}

TEST_F(StartupPathsTest, AliasStoreFolderWithoutSeparatorIsJoinedWithOne) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Task Folder\"=\"/data/tasks\"\n\"Path\"=\"/data/dozazar\"\n");
    EXPECT_EQ(ReadStartupPaths("/opt/prog").aliasIniPath, "/data/dozazar/Task Manager/DeviceName.ini");

    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
              "\"Path\"=\"D:\\\\Dozazar\"\n");
    EXPECT_EQ(ReadStartupPaths("/opt/prog").aliasIniPath, "D:/Dozazar/Task Manager/DeviceName.ini");
}

TEST_F(StartupPathsTest, KeyWithoutAliasStoreFolderCountsAsNoStore) {
    for (const char* pathLine : {"", "\"Path\"=\"\"\n"}) {
        writeHive(
            std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
                        "\"Task Folder\"=\"/data/tasks\"\n") +
            pathLine);
        const StartupPaths paths = ReadStartupPaths("/opt/prog");
        EXPECT_EQ(paths.taskFolder, "/data/tasks");
        EXPECT_EQ(paths.aliasIniPath, "/opt/prog/Task Manager/DeviceName.ini") << pathLine;
        EXPECT_FALSE(paths.aliasStoreRegistered) << pathLine;
    }
}

TEST_F(StartupPathsTest, MissingKeyFallsBackToTheProgramFolderWithoutCreatingTheKey) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar]\n\"Other\"=\"x\"\n");
    const StartupPaths paths = ReadStartupPaths("/opt/prog");
    EXPECT_EQ(paths.taskFolder, "/opt/prog");
    EXPECT_EQ(paths.aliasIniPath, "/opt/prog/Task Manager/DeviceName.ini");
    EXPECT_FALSE(paths.aliasStoreRegistered);
    EXPECT_FALSE(openKey(RootKey::LocalMachine, RadezuviKey).has_value()) << "the key must not be created";
}

TEST_F(StartupPathsTest, MissingTaskFolderValueIsStoredBackIntoTheExistingKey) {
    writeHive(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n\"Path\"=\"/d/\"\n");
    const StartupPaths paths = ReadStartupPaths("/opt/prog");
    EXPECT_EQ(paths.taskFolder, "/opt/prog");
    const auto key = openKey(RootKey::LocalMachine, RadezuviKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("Task Folder").value_or(""), "/opt/prog");
}

TEST_F(StartupPathsTest, MissingOrDamagedHiveReadsAsNoKey) {
    StartupPaths paths = ReadStartupPaths("/p");
    EXPECT_EQ(paths.taskFolder, "/p");
    EXPECT_FALSE(paths.aliasStoreRegistered);

    writeHive(std::string("\x00\xff\xfe garbage [HKEY_LOCAL_MACHINE\\SOFT", 34));
    paths = ReadStartupPaths("/p");
    EXPECT_EQ(paths.taskFolder, "/p");
    EXPECT_FALSE(paths.aliasStoreRegistered);
}

TEST_F(StartupPathsTest, LongTaskFolderIsTruncatedToItsField) {
    const std::string longPath = "/" + std::string(300, 't');
    writeHive(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n\"Task Folder\"=\"" +
        longPath + "\"\n");
    const StartupPaths paths = ReadStartupPaths("/p");
    EXPECT_EQ(paths.taskFolder.str(), longPath.substr(0, 127));
}

} // namespace
} // namespace doz::shell
