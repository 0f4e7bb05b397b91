// Program names and arguments of every kind the launcher and detached starts pass on: 4096 characters long,
// with blanks, quotes, backslashes and letters beyond ASCII.
#include "process_helpers.h"
#include "tests/support/temp_folder.h"

#include "common/platform/command_line.h"
#include "common/platform/detached_spawn.h"
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

TEST(LauncherLongNames, ADetachedProgramInAnAwkwardFolderGetsEveryArgumentWhole) {
    TempFolder root;
    const auto folder = root.path() / "Prüf stand \"2\" \\ bin";
    std::filesystem::create_directories(folder);
    const auto program = folder / "Zoë's tool";
    // Writes its arguments after the first, a line each, to the file the first names.
    writeScript(program,
                "out=\"$1\"; shift\nprintf '%s\\n' \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
    const std::vector<std::string> arguments = {
        "/" + std::string(4095, 'a'),
        "C:\\Program Files\\Zoë's \"Messplätze\"\\",
        "two  words",
        "",
        "*",
        "$HOME",
    };
    const auto out = root.path() / "arguments.txt";
    std::vector<std::string> passed{out.string()};
    passed.insert(passed.end(), arguments.begin(), arguments.end());
    ASSERT_TRUE(spawnDetached(program, passed));

    std::string expected;
    for (const std::string& argument : arguments)
        expected += argument + "\n";
    EXPECT_EQ(awaitFile(out), expected);
}

} // namespace
} // namespace doz::platform::test
