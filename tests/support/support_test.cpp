// The shared test helpers themselves: what they create is there, and what they change is undone.
#include "tests/support/files.h"
#include "tests/support/long_paths.h"
#include "tests/support/process_runner.h"
#include "tests/support/scoped_env.h"
#include "tests/support/task_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace doz::test {
namespace {

std::optional<std::string> env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(TempFolder, WritesNestedFilesAndRemovesEverythingAtTheEnd) {
    std::filesystem::path kept;
    {
        const TempFolder folder;
        kept = folder.path();
        ASSERT_TRUE(std::filesystem::is_directory(kept));
        const auto file = folder.write("a b/c/d.txt", std::string("x\0y", 3));
        EXPECT_EQ(file, kept / "a b" / "c" / "d.txt");
        EXPECT_EQ(ReadFile(file), std::string("x\0y", 3));
        EXPECT_EQ(folder.file("e.txt"), kept / "e.txt");
        EXPECT_FALSE(std::filesystem::exists(folder.file("e.txt")));
        const TempFolder other;
        EXPECT_NE(other.path(), kept);
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(Files, UnreadableIsEmptyAndUnwritableThrows) {
    const TempFolder folder;
    EXPECT_EQ(ReadFile(folder.file("missing")), "");
    EXPECT_THROW(WriteFile(folder.file("missing/file"), "x"), std::runtime_error);
    WriteFile(folder.file("f"), "long text");
    WriteFile(folder.file("f"), "short");
    EXPECT_EQ(ReadFile(folder.file("f")), "short");
}

TEST(ScopedEnv, SetsForItsLifeAndRestoresOrRemoves) {
    ::unsetenv("DOZ_SUPPORT_TEST");
    {
        const ScopedEnv outer("DOZ_SUPPORT_TEST", "outer");
        EXPECT_EQ(env("DOZ_SUPPORT_TEST"), "outer");
        {
            const ScopedEnv inner("DOZ_SUPPORT_TEST", "");
            EXPECT_EQ(env("DOZ_SUPPORT_TEST"), "");
        }
        EXPECT_EQ(env("DOZ_SUPPORT_TEST"), "outer");
    }
    EXPECT_EQ(env("DOZ_SUPPORT_TEST"), std::nullopt);
}

TEST(TempRegistry, NamesItsOwnHiveForItsLife) {
    const ScopedEnv before("DOZAZAR_REGISTRY", "/elsewhere/registry.reg");
    {
        const TempRegistry registry;
        EXPECT_EQ(env("DOZAZAR_REGISTRY"), registry.hiveFile().string());
        EXPECT_EQ(registry.hiveFile().parent_path(), registry.folder().path());
        EXPECT_EQ(registry.hiveText(), "<missing>");
        registry.writeHive("REGEDIT4\n");
        EXPECT_EQ(registry.hiveText(), "REGEDIT4\n");
        EXPECT_EQ(registry.backupFile(), registry.folder().file("registry.reg.bak"));
    }
    EXPECT_EQ(env("DOZAZAR_REGISTRY"), "/elsewhere/registry.reg");
}

TEST(RunProcess, PassesArgumentsAndInputAndCollectsOutputAndStatus) {
    const ProcessResult echoed = RunProcess({"printf", "%s|", "a b", "$HOME", "'q'"});
    EXPECT_EQ(echoed.exitCode, 0);
    EXPECT_EQ(echoed.out, "a b|$HOME|'q'|") << "every argument arrives as given, with no shell";

    const std::string input = std::string("line 1\nline\0 2\n", 15);
    EXPECT_EQ(RunProcess({"cat"}, input).out, input);
    EXPECT_EQ(RunProcess({"cat"}).out, "");

    const ProcessResult failed = RunProcess({"ls", "/doz-no-such-entry"});
    EXPECT_NE(failed.exitCode, 0);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("doz-no-such-entry"), std::string::npos) << failed.err;
    EXPECT_EQ(RunProcess({"false"}).exitCode, 1);

    EXPECT_EQ(RunProcess({"doz-no-such-program"}).exitCode, -1);
    EXPECT_EQ(RunProcess({}).exitCode, -1);
}

TEST(RunProcess, InheritsTheEnvironmentAndRunsInTheFolderGiven) {
    const ScopedEnv variable("DOZ_SUPPORT_TEST", "seen by the child");
    EXPECT_EQ(RunProcess({"printenv", "DOZ_SUPPORT_TEST"}).out, "seen by the child\n");

    const TempFolder folder;
    folder.write("marker", "");
    EXPECT_EQ(RunProcess({"ls"}, {}, folder.path()).out, "marker\n");
}

TEST(TaskFileText, WritesTheFieldsInTheirOrderAndLeavesEmptyOnesOut) {
    EXPECT_EQ(taskFileText({.operation = 0x10003,
                            .typeCode = 1530,
                            .cardNumber = 2,
                            .channels = "2 0",
                            .description = "Shaker",
                            .more = "property 102 10000\n"}),
              "radezuvi-task 1\noperation 0x10003\ndevice 1530 2\ndescription Shaker\nchannels 2 0\n"
              "property 102 10000\nend\n");
    EXPECT_EQ(taskFileText({.operation = 0x100000, .typeCode = 320}),
              "radezuvi-task 1\noperation 0x100000\ndevice 320 0\nend\n");
}

TEST(AwkwardPath, HasTheBytesAskedForInFoldersTheSystemTakes) {
    for (const std::size_t bytes : {std::size_t{60}, std::size_t{4095}, std::size_t{4097}}) {
        const auto path = AwkwardPath("/tmp/root", bytes, "DeviceName.ini");
        EXPECT_EQ(path.string().size(), bytes);
        EXPECT_EQ(path.filename(), "DeviceName.ini");
        EXPECT_EQ(path.string().rfind("/tmp/root/", 0), 0u);
        bool awkward = false;
        for (const auto& folder : path.lexically_relative("/tmp/root").parent_path()) {
            const std::string name = folder.string();
            EXPECT_FALSE(name.empty());
            EXPECT_LE(name.size(), 200u) << "a folder name the system takes";
            // No letter is cut in half: a name never ends in the first byte of a letter.
            EXPECT_NE(static_cast<unsigned char>(name.back()) & 0xC0, 0xC0) << name;
            awkward = awkward || name.find("\\") != std::string::npos || name.find("ë") != std::string::npos;
        }
        EXPECT_TRUE(awkward) << bytes;
    }
    EXPECT_THROW(AwkwardPath("/tmp/root", 12, "DeviceName.ini"), std::invalid_argument);
}

} // namespace
} // namespace doz::test
