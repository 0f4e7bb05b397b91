#include "alias_test_support.h"

namespace radezuvivarirare::test {
namespace {

class AliasStore : public AliasStoreTest {};

TEST_F(AliasStore, AddFindAndRemoveOneAliasPerCard) {
    EXPECT_EQ(list(), std::vector<std::string>{});
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Scope", 470, 0), ALIAS_OK); // creates "Task Manager/"
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Line A", 330, 1), ALIAS_OK);
    EXPECT_EQ(aliasOf(470, 0), "Scope");
    EXPECT_EQ(aliasOf(330, 1), "Line A");
    EXPECT_EQ(aliasOf(330, 0), std::nullopt);
    EXPECT_EQ(aliasOf(340, 1), std::nullopt); // the library knows codes, not groups

    // Storing the alias a card already has changes nothing; another alias replaces it.
    const std::string before = fileText();
    EXPECT_EQ(AliasApiAdd(store.c_str(), "Line A", 330, 1), ALIAS_OK);
    EXPECT_EQ(fileText(), before);
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Line B", 330, 1), ALIAS_OK);
    EXPECT_EQ(aliasOf(330, 1), "Line B");
    ASSERT_EQ(AliasApiAdd(store.c_str(), "LINE b", 330, 1), ALIAS_OK); // a new spelling of its own name
    EXPECT_EQ(list(), (std::vector<std::string>{"Scope", "LINE b"}));

    EXPECT_EQ(AliasApiRemove(store.c_str(), "scope"), ALIAS_OK);
    EXPECT_EQ(AliasApiRemove(store.c_str(), "Scope"), ALIAS_ERR_NOT_FOUND);
    EXPECT_EQ(aliasOf(470, 0), std::nullopt);
    int32_t type = -7;
    int32_t card = -7;
    EXPECT_EQ(AliasApiGetDevice(store.c_str(), "Scope", &type, &card), 0);
    EXPECT_EQ(type, -7);
    EXPECT_EQ(card, -7);
    EXPECT_EQ(fileText(), "; Device aliases, one a line: alias=type code,card number\n"
                          "[Aliases]\n"
                          "LINE b=330,1\n");
}

TEST_F(AliasStore, RefusesBadArgumentsWithoutTouchingTheStore) {
    int32_t type = 0;
    int32_t card = 0;
    EXPECT_EQ(AliasApiAdd(nullptr, "A", 330, 0), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiAdd(store.c_str(), nullptr, 330, 0), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiAdd(store.c_str(), "A", 0, 0), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiAdd(store.c_str(), "A", 330, -1), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiRemove(nullptr, "A"), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiRemove(store.c_str(), nullptr), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiRemove(store.c_str(), "A"), ALIAS_ERR_NOT_FOUND);
    EXPECT_EQ(AliasApiGetDevice(nullptr, "A", &type, &card), 0);
    EXPECT_EQ(AliasApiGetDevice(store.c_str(), nullptr, &type, &card), 0);
    EXPECT_EQ(AliasApiGetDevice(store.c_str(), "A", nullptr, &card), 0);
    EXPECT_EQ(AliasApiGetDevice(store.c_str(), "A", &type, nullptr), 0);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(AliasApiGetAlias(nullptr, 330, 0, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(AliasApiGetAlias(store.c_str(), 330, 0, nullptr, 32), 0);
    EXPECT_EQ(AliasApiList(nullptr, nullptr, 0), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiList(store.c_str(), nullptr, 4), ALIAS_ERR_ARGUMENT);
    EXPECT_EQ(AliasApiList(store.c_str(), buffer, -1), ALIAS_ERR_ARGUMENT);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(store).parent_path()));
}

TEST_F(AliasStore, ListNeverWritesPastItsSizeAndAlwaysEndsTheList) {
    ASSERT_EQ(AliasApiAdd(store.c_str(), "One", 10, 0), ALIAS_OK);
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Two", 20, 0), ALIAS_OK);
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Three", 30, 0), ALIAS_OK);
    const int32_t needed = 4 + 4 + 6 + 1;
    EXPECT_EQ(AliasApiList(store.c_str(), nullptr, 0), needed);

    const std::string full("One\0Two\0Three\0\0", needed);
    // Each size gets the names that fit whole, then the empty name, and not a byte more.
    const struct {
        int32_t size;
        std::string content;
    } cases[] = {
        {needed, full},
        {needed - 1, std::string("One\0Two\0\0", 9)},
        {9, std::string("One\0Two\0\0", 9)},
        {8, std::string("One\0\0", 5)},
        {5, std::string("One\0\0", 5)},
        {4, std::string("\0", 1)},
        {1, std::string("\0", 1)},
        {0, std::string()},
    };
    for (const auto& c : cases) {
        std::string buffer(40, '#');
        EXPECT_EQ(AliasApiList(store.c_str(), buffer.data(), c.size), needed) << c.size;
        EXPECT_EQ(buffer.substr(0, c.content.size()), c.content) << c.size;
        EXPECT_EQ(buffer.find_first_not_of('#', static_cast<std::size_t>(c.size)), std::string::npos)
            << c.size;
    }
}

TEST_F(AliasStore, GetAliasCutsAtWholeCharactersInsideItsSize) {
    const std::string alias = "Pr\xC3\xBC"
                              "f"; // Prüf: 5 bytes
    ASSERT_EQ(AliasApiAdd(store.c_str(), alias.c_str(), 1, 0), ALIAS_OK);
    const struct {
        int32_t size;
        std::string content; // what the buffer holds, terminator included
    } cases[] = {
        {32, alias + '\0'},          {6, alias + '\0'},           {5, std::string("Pr\xC3\xBC\0", 5)},
        {4, std::string("Pr\0", 3)}, {3, std::string("Pr\0", 3)}, {1, std::string("\0", 1)},
    };
    for (const auto& c : cases) {
        std::string buffer(40, '#');
        EXPECT_EQ(AliasApiGetAlias(store.c_str(), 1, 0, buffer.data(), c.size), 6) << c.size;
        EXPECT_EQ(buffer.substr(0, c.content.size()), c.content) << c.size;
        EXPECT_EQ(buffer.find_first_not_of('#', static_cast<std::size_t>(c.size)), std::string::npos)
            << c.size;
    }
    std::string buffer(4, '#');
    EXPECT_EQ(AliasApiGetAlias(store.c_str(), 1, 0, buffer.data(), 0), 0);
    EXPECT_EQ(buffer, "####");
}

} // namespace
} // namespace radezuvivarirare::test
