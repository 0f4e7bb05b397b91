#include "alias_test_support.h"

namespace radezuvivarirare::test {
namespace {

struct NameCase {
    const char* name;
    int32_t reason;
};

class AliasRules : public AliasStoreTest {};

TEST_F(AliasRules, CheckRefusesEveryIllegalNameWithItsReason) {
    const NameCase cases[] = {
        {"", ALIAS_CHECK_EMPTY},
        {"   ", ALIAS_CHECK_EMPTY},
        {"\xC2\xA0\xE3\x80\x80", ALIAS_CHECK_EMPTY}, // no-break and ideographic spaces only
        {" Bench", ALIAS_CHECK_BLANK_EDGE},
        {"Bench ", ALIAS_CHECK_BLANK_EDGE},
        {"\xC2\xA0"
         "Bench",
         ALIAS_CHECK_BLANK_EDGE},
        {"Tab\there", ALIAS_CHECK_CHARACTER},
        {"Two\nlines", ALIAS_CHECK_CHARACTER},
        {"Carriage\rreturn", ALIAS_CHECK_CHARACTER},
        {"Del\x7F", ALIAS_CHECK_CHARACTER},
        {"C1\xC2\x85", ALIAS_CHECK_CHARACTER},
        {"a=b", ALIAS_CHECK_CHARACTER},
        {"[Aliases]", ALIAS_CHECK_CHARACTER},
        {"end]", ALIAS_CHECK_CHARACTER},
        {";comment", ALIAS_CHECK_CHARACTER},
        {"#comment", ALIAS_CHECK_CHARACTER},
        {"Line\xE2\x80\xA8sep", ALIAS_CHECK_CHARACTER},
        {"\xEF\xBB\xBF"
         "Bom",
         ALIAS_CHECK_CHARACTER},
        {"Cut\xC3", ALIAS_CHECK_ENCODING},
        {"Overlong\xC0\xAF", ALIAS_CHECK_ENCODING},
        {"Surrogate\xED\xA0\x80", ALIAS_CHECK_ENCODING},
        {"Latin\xE9", ALIAS_CHECK_ENCODING},
        {"abcdefghijklmnopqrstuvwxyz123456", ALIAS_CHECK_TOO_LONG}, // 32 bytes
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(AliasApiCheck(store.c_str(), c.name), c.reason) << '"' << c.name << '"';
        EXPECT_EQ(AliasApiAdd(store.c_str(), c.name, 330, 0), ALIAS_ERR_NAME) << '"' << c.name << '"';
    }
    EXPECT_EQ(AliasApiCheck(store.c_str(), nullptr), ALIAS_CHECK_EMPTY);
    EXPECT_EQ(AliasApiCheck(nullptr, "Bench"), ALIAS_CHECK_STORE);
    // Nothing refused reached the disk, not even the folder.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(store).parent_path()));
}

TEST_F(AliasRules, LengthCountsBytesOfUtf8NotCharacters) {
    const std::string ascii31 = "abcdefghijklmnopqrstuvwxyz12345";
    std::string accented31 = "x";
    for (int i = 0; i < 15; ++i)
        accented31 += "\xC3\xA9"; // é, two bytes each
    const std::string accented32 = accented31 + "y";
    const std::string symbols33 =
        "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
        "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"; // 11 euro signs
    ASSERT_EQ(ascii31.size(), 31u);
    ASSERT_EQ(accented31.size(), 31u);
    ASSERT_EQ(symbols33.size(), 33u);

    EXPECT_EQ(AliasApiCheck(store.c_str(), ascii31.c_str()), 0);
    EXPECT_EQ(AliasApiCheck(store.c_str(), accented31.c_str()), 0);
    EXPECT_EQ(AliasApiCheck(store.c_str(), accented32.c_str()), ALIAS_CHECK_TOO_LONG);
    EXPECT_EQ(AliasApiCheck(store.c_str(), symbols33.c_str()), ALIAS_CHECK_TOO_LONG);

    ASSERT_EQ(AliasApiAdd(store.c_str(), ascii31.c_str(), 330, 0), ALIAS_OK);
    ASSERT_EQ(AliasApiAdd(store.c_str(), accented31.c_str(), 340, 1), ALIAS_OK);
    EXPECT_EQ(AliasApiAdd(store.c_str(), accented32.c_str(), 370, 2), ALIAS_ERR_NAME);
    // A 32-byte look-up buffer gives both back whole.
    EXPECT_EQ(aliasOf(330, 0), ascii31);
    EXPECT_EQ(aliasOf(340, 1), accented31);
    EXPECT_EQ(list(), (std::vector<std::string>{ascii31, accented31}));
}

TEST_F(AliasRules, NamesAreOneWhateverTheLetterCase) {
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Bench", 330, 0), ALIAS_OK);
    ASSERT_EQ(AliasApiAdd(store.c_str(),
                          "\xC3\x9C"
                          "ber",
                          370, 1),
              ALIAS_OK); // Über

    EXPECT_EQ(AliasApiCheck(store.c_str(), "BENCH"), ALIAS_CHECK_IN_USE);
    EXPECT_EQ(AliasApiCheck(store.c_str(), "\xC3\xBC"
                                           "BER"),
              ALIAS_CHECK_IN_USE); // üBER
    EXPECT_EQ(AliasApiCheck(store.c_str(), "Bench 2"), 0);
    EXPECT_EQ(AliasApiCheck(store.c_str(), "Inner blanks are fine"), 0);

    // Add refuses the name of another card itself, so skipping the check cannot make a twin.
    EXPECT_EQ(AliasApiAdd(store.c_str(), "bench", 420, 3), ALIAS_ERR_IN_USE);
    EXPECT_EQ(AliasApiAdd(store.c_str(),
                          "\xC3\xBC"
                          "ber",
                          420, 3),
              ALIAS_ERR_IN_USE);
    EXPECT_EQ(aliasOf(420, 3), std::nullopt);
    EXPECT_EQ(list(), (std::vector<std::string>{"Bench", "\xC3\x9C"
                                                         "ber"}));

    int32_t type = 0;
    int32_t card = 0;
    ASSERT_EQ(AliasApiGetDevice(store.c_str(), "bEnCh", &type, &card), 1);
    EXPECT_EQ(type, 330);
    EXPECT_EQ(card, 0);
}

} // namespace
} // namespace radezuvivarirare::test
