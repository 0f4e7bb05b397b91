// Program names and arguments of every kind the launcher passes on: 4096 characters long, with
// blanks, quotes, backslashes and letters beyond ASCII.
#include "tests/support/temp_folder.h"

#include "common/platform/command_line.h"
#include "common/platform/file_io.h"
#include "common/platform/program_resolver.h"

#include <gmock/gmock.h>

#include <string>

using ::testing::ElementsAre;

namespace doz::platform::test {
namespace {

using namespace doz::test;

TEST(LauncherLongNames, ArgumentsKeepEveryCharacter) {
    const std::string longPath = "/" + std::string(4095, 'a');
    EXPECT_THAT(splitCommandLine("tool.exe " + longPath), ElementsAre("tool.exe", longPath));
    EXPECT_THAT(
        splitCommandLine("tool.exe \"C:\\Program Files\\Zoë's Messplätze\\data.txt\" \"say \\\"hi\\\"\""),
        ElementsAre("tool.exe", "C:\\Program Files\\Zoë's Messplätze\\data.txt", "say \"hi\""))
        << "a backslash before a quote escapes it, as Windows programs read it";
    EXPECT_THAT(splitCommandLine("tool.exe \"C:\\Program Files\\Zoë\\\\\" next"),
                ElementsAre("tool.exe", "C:\\Program Files\\Zoë\\", "next"));
}

TEST(LauncherLongNames, ProgramsInAwkwardFoldersResolveAndOverlongNamesFindNothing) {
    TempFolder root;
    const auto folder = root.path() / "Prüf stand \"2\"";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(writeFileAtomically(folder / "Deradiz", "#!/bin/sh\n"));
    std::filesystem::permissions(folder / "Deradiz", std::filesystem::perms::owner_all);
    const ProgramSearch search{root.path() / "bin", {folder}};
    EXPECT_EQ(resolveProgramIn("\"C:\\Programme\\Zoë's Tools\\Deradiz.exe\"", search), folder / "Deradiz");
    EXPECT_EQ(resolveProgramIn(std::string(4096, 'x') + ".exe", search), std::nullopt);
    EXPECT_EQ(resolveProgramIn("C:\\" + std::string(4096, 'x') + "\\Deradiz.exe", search),
              folder / "Deradiz");
}

} // namespace
} // namespace doz::platform::test
