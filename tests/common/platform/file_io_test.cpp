// Replacing a file: the old or the new content, never half; a failure says why and leaves
// nothing behind.

#include "tests/support/temp_folder.h"

#include "common/platform/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace doz::platform {
namespace {

using namespace doz::test;

std::size_t entriesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(ReplaceFileAtomically, WritesNewAndReplacesOldKeepingPermissions) {
    test::TempFolder folder;
    const auto file = folder.path() / "code.c";
    ASSERT_EQ(replaceFileAtomically(file, "first\n"), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "first\n");
    struct stat created {};
    ASSERT_EQ(::stat(file.c_str(), &created), 0);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(created.st_mode & 0777, 0666u & ~mask) << "a new file gets the usual permissions";

    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(replaceFileAtomically(file, "second\n"), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "second\n");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left beside it";
}

TEST(ReplaceFileAtomically, FailuresNameTheFileAndTheReasonAndLeaveNothing) {
    test::TempFolder folder;
    const auto missing = folder.path() / "no-folder" / "x.c";
    const auto noFolder = replaceFileAtomically(missing, "text");
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(*noFolder, "cannot create \"" + missing.string() + "\": No such file or directory");
    EXPECT_FALSE(writeFileAtomically(missing, "text"));

    // A folder in the way of the file: the rename fails, the folder and its content stay.
    const auto blocked = folder.path() / "blocked";
    std::filesystem::create_directory(blocked);
    ASSERT_TRUE(writeFileAtomically(blocked / "inside", "kept"));
    const auto over = replaceFileAtomically(blocked, "text");
    ASSERT_TRUE(over);
    EXPECT_NE(over->find("cannot create \"" + blocked.string() + "\": "), std::string::npos) << *over;
    EXPECT_EQ(readWholeFile(blocked / "inside"), "kept");
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "the temporary file was removed";
}

} // namespace
} // namespace doz::platform
