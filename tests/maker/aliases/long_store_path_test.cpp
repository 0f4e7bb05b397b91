// Stores at long paths in folders named with blanks, quotes, backslashes and letters beyond
// ASCII: the library uses the whole path or fails with ALIAS_ERR_FILE, and never writes a store
// at a shorter path. The real limit is the system's (4095 bytes) less what the lock file and the
// temporary file of a rewrite add to the store's name.
#include "alias_test_support.h"

#include "tests/support/long_paths.h"

#include <algorithm>

namespace radezuvivarirare::test {
namespace {

class LongStorePath : public AliasStoreTest {
protected:
    // Every store file under the test's folder, however deep.
    std::vector<std::string> storesFound() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            if (entry.path().filename() == "DeviceName.ini")
                found.push_back(entry.path().string());
        return found;
    }
};

TEST_F(LongStorePath, ALongPathIsUsedWhole) {
    const std::string longest = doz::test::AwkwardPath(folder.path(), 4000, "DeviceName.ini").string();
    EXPECT_EQ(AliasApiAdd(longest.c_str(), "Zoë's \"Prüf\" 2", 330, 1), ALIAS_OK);

    char alias[32];
    EXPECT_EQ(AliasApiGetAlias(longest.c_str(), 330, 1, alias, sizeof alias), 17) << "16 bytes and the end";
    EXPECT_STREQ(alias, "Zoë's \"Prüf\" 2");
    int32_t type = 0, card = 0;
    EXPECT_EQ(AliasApiGetDevice(longest.c_str(), "ZOë'S \"PRüF\" 2", &type, &card), 1);
    EXPECT_EQ(type, 330);
    EXPECT_EQ(card, 1);
    EXPECT_EQ(AliasApiRemove(longest.c_str(), "Zoë's \"Prüf\" 2"), ALIAS_OK);
    EXPECT_EQ(AliasApiList(longest.c_str(), nullptr, 0), 1);
    EXPECT_EQ(storesFound(), std::vector<std::string>{longest});
    std::vector<std::string> beside;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(longest).parent_path()))
        beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"DeviceName.ini", "DeviceName.ini.lock"}))
        << "no temporary file left";
}

TEST_F(LongStorePath, PathsBeyondTheLimitFailWithoutWritingElsewhere) {
    // 4095: the system takes the store's own name but not its lock file's; 4097: not even that.
    for (const std::size_t bytes : {std::size_t{4095}, std::size_t{4097}}) {
        const std::string tooLong = doz::test::AwkwardPath(folder.path(), bytes, "DeviceName.ini").string();
        EXPECT_EQ(AliasApiAdd(tooLong.c_str(), "Bench 1", 330, 1), ALIAS_ERR_FILE) << bytes;
        EXPECT_NE(AliasApiRemove(tooLong.c_str(), "Bench 1"), ALIAS_OK) << bytes;
        char alias[32] = "unchanged";
        EXPECT_EQ(AliasApiGetAlias(tooLong.c_str(), 330, 1, alias, sizeof alias), 0) << bytes;
        EXPECT_STREQ(alias, "");
    }
    EXPECT_EQ(storesFound(), std::vector<std::string>{}) << "no store at a cut path";
}

} // namespace
} // namespace radezuvivarirare::test
