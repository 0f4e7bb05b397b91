#include "alias_test_support.h"

namespace radezuvivarirare::test {
namespace {

class DamagedStore : public AliasStoreTest {};

// A store edited by hand: every kind of line the reader must pass over, and some it can read.
using namespace std::string_literals;

const std::string kHandEdited = "\xEF\xBB\xBF; my aliases\n"
                                "[Notes]\n"
                                "Kept=1,0\n"
                                "[ aliases ]\n"
                                "  Scope  =  470 , 0  \n"
                                "no equals sign here\n"
                                "Bad number=abc,1\n"
                                "Half=330\n"
                                "Negative=330,-2\n"
                                "Zero type=0,1\n"
                                " =10,0\n"
                                "Way too long for any alias name at all=10,1\n"
                                "Latin1 \xE9=10,2\n"
                                "binary \0\x01\x02 junk\n"
                                "# a comment\n"
                                "SCOPE=20,5\n"
                                "Line A=330,1\n"
                                "\n"
                                "[Other]\n"
                                "Line B=340,1"s;

TEST_F(DamagedStore, ReadsWhatItCanAndKeepsEveryOtherLineOnRewrite) {
    ASSERT_NE(kHandEdited.find("binary \0"s), std::string::npos);
    writeFile(kHandEdited);
    // "SCOPE" repeats "Scope" and does not count; nothing outside [Aliases] is an alias.
    EXPECT_EQ(list(), (std::vector<std::string>{"Scope", "Line A"}));
    EXPECT_EQ(aliasOf(470, 0), "Scope");
    EXPECT_EQ(aliasOf(20, 5), std::nullopt);
    EXPECT_EQ(aliasOf(1, 0), std::nullopt);
    EXPECT_EQ(aliasOf(340, 1), std::nullopt);
    EXPECT_EQ(AliasApiCheck(store.c_str(), "Kept"), 0);
    EXPECT_EQ(AliasApiCheck(store.c_str(), "line a"), ALIAS_CHECK_IN_USE);

    // A new alias goes after the section's last line; everything else stays byte for byte.
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Counter", 320, 0), ALIAS_OK);
    std::string expected = kHandEdited;
    const std::string anchor = "Line A=330,1\n";
    expected.insert(expected.find(anchor) + anchor.size(), "Counter=320,0\n");
    EXPECT_EQ(fileText(), expected);

    // Replacing a card's alias rewrites its own line; removing drops every line of the name.
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Line A2", 330, 1), ALIAS_OK);
    ASSERT_EQ(AliasApiRemove(store.c_str(), "scope"), ALIAS_OK);
    expected.replace(expected.find(anchor), anchor.size(), "Line A2=330,1\n");
    expected.erase(expected.find("  Scope  =  470 , 0  \n"), std::string("  Scope  =  470 , 0  \n").size());
    expected.erase(expected.find("SCOPE=20,5\n"), std::string("SCOPE=20,5\n").size());
    EXPECT_EQ(fileText(), expected);
    EXPECT_EQ(list(), (std::vector<std::string>{"Line A2", "Counter"}));
}

TEST_F(DamagedStore, AddsASectionWhenThereIsNoneAndKeepsTheFilesLineEnds) {
    writeFile("[Notes]\r\nKept=1,0");
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Virtual", 1, 0), ALIAS_OK);
    EXPECT_EQ(fileText(), "[Notes]\r\nKept=1,0\r\n\r\n[Aliases]\r\nVirtual=1,0\r\n");
    EXPECT_EQ(aliasOf(1, 0), "Virtual");

    writeFile("[Aliases]\r\nOld=10,0\r\n");
    ASSERT_EQ(AliasApiAdd(store.c_str(), "New", 20, 1), ALIAS_OK);
    EXPECT_EQ(fileText(), "[Aliases]\r\nOld=10,0\r\nNew=20,1\r\n");
}

TEST_F(DamagedStore, AStoreThatCannotBeReadIsNeverReplaced) {
    // A folder in the store's place: it exists, but no text can be read from it.
    std::filesystem::create_directories(std::filesystem::path(store) / "inside");
    EXPECT_EQ(list(), std::vector<std::string>{});
    EXPECT_EQ(AliasApiCheck(store.c_str(), "Bench"), ALIAS_CHECK_STORE);
    EXPECT_EQ(AliasApiAdd(store.c_str(), "Bench", 330, 0), ALIAS_ERR_FILE);
    EXPECT_EQ(AliasApiRemove(store.c_str(), "Bench"), ALIAS_ERR_FILE);
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(store) / "inside"));
}

// Found by fuzzing: a store whose last line is a section header cut off after its CR. Reading
// took that header for a line of [Aliases], so an alias added after it landed in the other
// section and was gone when the store was read again.
TEST_F(DamagedStore, AHeaderEndingTheFileWithALoneCarriageReturnStillEndsTheSection) {
    const std::string text = "[Aliases]\r\nScope=470,0\r\n[Notes]\r"s;
    writeFile(text);
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Counter", 320, 0), ALIAS_OK);
    EXPECT_EQ(list(), (std::vector<std::string>{"Scope", "Counter"}));
    EXPECT_EQ(aliasOf(320, 0), "Counter");
    EXPECT_EQ(fileText(), "[Aliases]\r\nScope=470,0\r\nCounter=320,0\r\n[Notes]\r"s);

    // The same with the alias section last: the new line follows a completed line end.
    writeFile("[Notes]\r\n[Aliases]\r"s);
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Scope", 470, 0), ALIAS_OK);
    EXPECT_EQ(list(), (std::vector<std::string>{"Scope"}));
    EXPECT_EQ(fileText(), "[Notes]\r\n[Aliases]\r\nScope=470,0\r\n"s);
}

} // namespace
} // namespace radezuvivarirare::test
