#include "tests/support/temp_registry.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include "common/platform/reg_hive.h"

#include <gmock/gmock.h>

#include <random>

using ::testing::HasSubstr;

namespace doz::platform::test {
namespace {

using namespace doz::test;

constexpr std::string_view kGoodKey = "SOFTWARE\\Dozazar\\Good";

std::optional<std::string> goodValue(std::string_view name) {
    const auto key = openKey(RootKey::LocalMachine, kGoodKey);
    return key ? key->readString(name) : std::nullopt;
}

class DamagedHive : public RegistryTest {
protected:
    // Writes one value, as any program of the suite would, to make the hive be rewritten.
    void rewrite() {
        auto key = createKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Written");
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString("New", "value"));
    }
};

TEST_F(DamagedHive, GarbageLinesAreSkippedKeptAndBackedUpOnce) {
    const std::string original = "REGEDIT4\n"
                                 "this is not a registry line\n"
                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n"
                                 "\"Version\"=\"1.52\"\n"
                                 "garbage inside a section\n"
                                 "\"Unquoted\"=C:\\path\n"
                                 "\"BadEscape\"=\"C:\\Tasks\"\n"
                                 "\"Count\"=dword:0000000a\n";
    writeHive(original);

    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(openKey(RootKey::LocalMachine, kGoodKey)->readDword("Count"), 10u);
    EXPECT_EQ(goodValue("Unquoted"), std::nullopt);
    EXPECT_EQ(goodValue("BadEscape"), std::nullopt);

    rewrite();
    const std::string text = hiveText();
    for (const char* line : {"this is not a registry line\n", "garbage inside a section\n",
                             "\"Unquoted\"=C:\\path\n", "\"BadEscape\"=\"C:\\Tasks\"\n"})
        EXPECT_THAT(text, HasSubstr(line));
    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(readWholeFile(backupFile()), original);

    // The rewritten file is our own layout: a later write keeps the first backup as it is.
    ASSERT_TRUE(openKey(RootKey::LocalMachine, kGoodKey)->writeString("Version", "1.53"));
    EXPECT_EQ(readWholeFile(backupFile()), original);
    EXPECT_THAT(hiveText(), HasSubstr("garbage inside a section\n"));
}

TEST_F(DamagedHive, CleanFilesGetNoBackup) {
    writeHive("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\r\n\"Version\"=\"1.52\"\r\n");
    EXPECT_EQ(goodValue("Version"), "1.52");
    rewrite();
    EXPECT_FALSE(std::filesystem::exists(backupFile()));
}

TEST_F(DamagedHive, TruncatedInTheMiddleOfALine) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n\"Version\"=\"1.52\"\n"
              "\"Count\"=dword:000\n"
              "\"Task Folder\"=\"/home/user/Ta");
    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(openKey(RootKey::LocalMachine, kGoodKey)->readDword("Count"), std::nullopt);
    EXPECT_EQ(goodValue("Task Folder"), std::nullopt);

    rewrite();
    EXPECT_THAT(hiveText(), HasSubstr("\"Task Folder\"=\"/home/user/Ta\n"));
    EXPECT_TRUE(std::filesystem::exists(backupFile()));
}

TEST_F(DamagedHive, BinaryBytesAndInvalidUtf8) {
    const std::string binary("\x00\x01\xFF\xFE\"x\"=\"\x00\"", 11);
    writeHive("REGEDIT4\n" + binary +
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n\"Latin1\"=\"caf\xE9\"\n"
              "\"Version\"=\"1.52\"\n");
    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(goodValue("Latin1"), std::nullopt);

    rewrite();
    const std::string text = hiveText();
    EXPECT_THAT(text, HasSubstr(binary + "\n"));
    EXPECT_THAT(text, HasSubstr("\"Latin1\"=\"caf\xE9\"\n"));
}

TEST_F(DamagedHive, ValuesAfterABrokenHeaderBelongToNoKey) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n\"Version\"=\"1.52\"\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Broken\n\"Leak\"=\"x\"\n\n"
              "[HKEY_USERS\\Unknown]\n\"Other\"=\"y\"\n");
    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(goodValue("Leak"), std::nullopt);
    EXPECT_FALSE(openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Broken"));

    rewrite();
    EXPECT_THAT(hiveText(), HasSubstr("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Broken\n\"Leak\"=\"x\"\n"));
    EXPECT_THAT(hiveText(), HasSubstr("[HKEY_USERS\\Unknown]\n\"Other\"=\"y\"\n"));
    EXPECT_EQ(goodValue("Leak"), std::nullopt);
}

TEST_F(DamagedHive, HugeLines) {
    const std::string huge(8 << 20, 'x');
    const std::string bigValue(2 << 20, 'v');
    writeHive("REGEDIT4\n" + huge + "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n\"Big\"=\"" + bigValue +
              "\"\n\"Version\"=\"1.52\"\n");
    EXPECT_EQ(goodValue("Version"), "1.52");
    EXPECT_EQ(goodValue("Big"), bigValue);
    rewrite();
    EXPECT_THAT(hiveText(), HasSubstr("\n" + huge + "\n"));
}

TEST_F(DamagedHive, ValuesAndKeysGivenTwiceKeepTheLaterData) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]\n\"Version\"=\"1.0\"\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n"
              "[hkey_local_machine\\software\\dozazar\\good]\n\"VERSION\"=\"2.0\"\n\"Path\"=\"/p\"\n");
    EXPECT_EQ(goodValue("Version"), "2.0");
    EXPECT_EQ(goodValue("Path"), "/p");
    EXPECT_EQ(openKey(RootKey::LocalMachine, kGoodKey)->valueNames().size(), 2u);
}

// Whatever the bytes, reading never fails and a write loses none of the values read before.
TEST_F(DamagedHive, RandomDamageNeverLosesReadableValues) {
    const std::string pieces[] = {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Good]",
                                  "\"Version\"=\"1.52\"",
                                  "\"N\"=dword:0000002a",
                                  "@=\"d\"",
                                  "[",
                                  "]",
                                  "\"",
                                  "\\",
                                  "=",
                                  "\n",
                                  "\r",
                                  std::string(1, '\0'),
                                  "\xC3",
                                  "\xFF",
                                  "dword:",
                                  "REGEDIT4",
                                  ";c",
                                  " "};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::string text;
        for (int i = 0; i < 400; ++i)
            text += pieces[random() % std::size(pieces)];
        writeHive(text);
        std::filesystem::remove(backupFile());

        const Hive before = Hive::parse(text);
        const KeyPath good{RootKey::LocalMachine, {"SOFTWARE", "Dozazar", "Good"}};
        const auto names = before.valueNames(good);
        rewrite();
        const Hive after = Hive::parse(hiveText());
        for (const std::string& name : names) {
            ASSERT_NE(after.value(good, name), nullptr) << "seed " << seed << " value " << name;
            EXPECT_EQ(*after.value(good, name), *before.value(good, name)) << "seed " << seed;
        }
        EXPECT_EQ(Hive::parse(after.serialize()).serialize(), after.serialize()) << "seed " << seed;
    }
}

} // namespace
} // namespace doz::platform::test
