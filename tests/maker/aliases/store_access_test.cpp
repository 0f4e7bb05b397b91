#include "alias_test_support.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace radezuvivarirare::test {
namespace {

constexpr int kAliasesPerWriter = 30;

std::string nameOf(int writer, int index) {
    return "w" + std::to_string(writer) + "-" + std::to_string(index);
}

// Each writer adds its aliases and takes every third one away again, as separate program runs
// would; the exit status tells whether every call succeeded.
int writeAliases(const std::string& store, int writer) {
    for (int i = 0; i < kAliasesPerWriter; ++i) {
        if (AliasApiAdd(store.c_str(), nameOf(writer, i).c_str(), 330 + writer * 10, i) != ALIAS_OK)
            return 1;
        if (i % 3 == 0 && AliasApiRemove(store.c_str(), nameOf(writer, i).c_str()) != ALIAS_OK)
            return 1;
    }
    return 0;
}

// Runs body in a child process and gives its exit status (-1 when it did not exit normally).
template <typename Body> pid_t startChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    return child;
}

int exitStatus(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

class StoreAccess : public AliasStoreTest {};

TEST_F(StoreAccess, WritersInTwoProcessesLoseNothing) {
    std::vector<pid_t> children;
    for (int writer = 0; writer < 2; ++writer) {
        const pid_t child = startChild([&] { return writeAliases(store, writer); });
        ASSERT_GE(child, 0);
        children.push_back(child);
    }
    // A reader meanwhile always sees a whole store.
    for (int look = 0; look < 50; ++look)
        EXPECT_GE(AliasApiList(store.c_str(), nullptr, 0), 1);
    for (const pid_t child : children)
        EXPECT_EQ(exitStatus(child), 0);

    std::vector<std::string> expected;
    for (int writer = 0; writer < 2; ++writer)
        for (int i = 0; i < kAliasesPerWriter; ++i) {
            EXPECT_EQ(aliasOf(330 + writer * 10, i),
                      i % 3 == 0 ? std::nullopt : std::optional(nameOf(writer, i)));
            if (i % 3 != 0)
                expected.push_back(nameOf(writer, i));
        }
    std::vector<std::string> listed = list();
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    // No temporary file was left behind.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(store).parent_path()))
        ++files;
    EXPECT_EQ(files, 2u); // the store and its lock file
}

TEST_F(StoreAccess, AReadOnlyFolderRefusesChangesAndLosesNothing) {
    ASSERT_EQ(AliasApiAdd(store.c_str(), "Scope", 470, 0), ALIAS_OK);
    const std::string before = fileText();
    const auto storeFolder = std::filesystem::path(store).parent_path();
    std::filesystem::remove(storeFolder / "DeviceName.ini.lock");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(store.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(storeFolder.c_str(), 0555), 0);

    // The child gives up any administrator rights first, which would write anyway.
    const pid_t child = startChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 10;
        if (AliasApiAdd(store.c_str(), "Second", 330, 0) != ALIAS_ERR_FILE)
            return 11;
        if (AliasApiAdd(store.c_str(), "Renamed", 470, 0) != ALIAS_ERR_FILE)
            return 12;
        if (AliasApiRemove(store.c_str(), "Scope") != ALIAS_ERR_FILE)
            return 13;
        char alias[32];
        if (AliasApiGetAlias(store.c_str(), 470, 0, alias, sizeof alias) == 0 ||
            std::string(alias) != "Scope")
            return 14;
        if (AliasApiCheck(store.c_str(), "Second") != 0)
            return 15;
        return 0;
    });
    ASSERT_GE(child, 0);
    EXPECT_EQ(exitStatus(child), 0);
    ::chmod(storeFolder.c_str(), 0755);
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(list(), std::vector<std::string>{"Scope"});
}

} // namespace
} // namespace radezuvivarirare::test
