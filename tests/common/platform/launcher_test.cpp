#include "process_helpers.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

#include "common/platform/command_line.h"
#include "common/platform/launcher.h"
#include "common/platform/program_resolver.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <sys/wait.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace doz::platform::test {
namespace {

using namespace doz::test;

TEST(CommandLine, SplitsAsWindowsProgramsReceiveTheirArguments) {
    EXPECT_THAT(splitCommandLine("mmc.exe devmgmt.msc"), ElementsAre("mmc.exe", "devmgmt.msc"));
    EXPECT_THAT(splitCommandLine("  Ruzidavidez.exe  "), ElementsAre("Ruzidavidez.exe"));
    EXPECT_THAT(splitCommandLine(R"("C:\Program Files\Dozazar\Deradiz.exe" "a b" c)"),
                ElementsAre(R"(C:\Program Files\Dozazar\Deradiz.exe)", "a b", "c"));
    EXPECT_THAT(splitCommandLine(R"(explorer.exe \\server\share\Samples)"),
                ElementsAre("explorer.exe", R"(\\server\share\Samples)"));
    EXPECT_THAT(splitCommandLine(R"(x a\\\"b "c\\" d)"), ElementsAre("x", R"(a\"b)", R"(c\)", "d"));
    EXPECT_THAT(splitCommandLine(R"(x "" "a"b)"), ElementsAre("x", "", "ab"));
    EXPECT_THAT(splitCommandLine(" \t "), IsEmpty());
}

// A program folder and a PATH folder with the stand-ins of the Windows programs.
class ProgramResolution : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(programFolder());
        std::filesystem::create_directories(pathFolder());
        for (const char* name : {"Ruzidavidez", "xdg-open", "Deradiz", "diruzori"})
            writeScript(pathFolder() / name, "exit 0\n");
        writeScript(programFolder() / "Ruzidavidez", "exit 0\n");
        writeFileAtomically(pathFolder() / "Noexec", "not a program");
        std::filesystem::create_directories(pathFolder() / "Folder");
    }

    std::filesystem::path programFolder() const { return root_.path() / "bin"; }
    std::filesystem::path pathFolder() const { return root_.path() / "path"; }
    ProgramSearch search() const { return {programFolder(), {root_.path() / "empty", pathFolder()}}; }
    std::optional<std::filesystem::path> resolve(std::string_view name) const {
        return resolveProgramIn(name, search());
    }

private:
    TempFolder root_;
};

TEST_F(ProgramResolution, RuzidavidezIsTakenFromBesideTheProgramFirst) {
    EXPECT_EQ(resolve("Ruzidavidez.exe"), programFolder() / "Ruzidavidez");
    EXPECT_EQ(resolve("RUZIDAVIDEZ.EXE"), programFolder() / "Ruzidavidez");
    std::filesystem::remove(programFolder() / "Ruzidavidez");
    EXPECT_EQ(resolve("Ruzidavidez.exe"), pathFolder() / "Ruzidavidez");
}

TEST_F(ProgramResolution, ExplorerOpensThroughXdgOpen) {
    EXPECT_EQ(resolve("explorer.exe"), pathFolder() / "xdg-open");
    EXPECT_EQ(resolve("C:\\WINDOWS\\Explorer.EXE"), pathFolder() / "xdg-open");
}

TEST_F(ProgramResolution, OtherProgramsByTheirBaseNameInAnyCase) {
    EXPECT_EQ(resolve("Deradiz.exe"), pathFolder() / "Deradiz");
    EXPECT_EQ(resolve("\"C:\\Program Files\\Dozazar\\DERADIZ.EXE\""), pathFolder() / "Deradiz");
    EXPECT_EQ(resolve("Diruzori.exe"), pathFolder() / "diruzori");
    EXPECT_EQ(resolve("diruzori"), pathFolder() / "diruzori");
}

TEST_F(ProgramResolution, NothingRunnableMeansNoProgram) {
    EXPECT_EQ(resolve("mmc.exe"), std::nullopt);
    EXPECT_EQ(resolve("Noexec.exe"), std::nullopt);
    EXPECT_EQ(resolve("Folder.exe"), std::nullopt);
    EXPECT_EQ(resolve(""), std::nullopt);
    EXPECT_EQ(resolve("C:\\Tools\\..\\"), std::nullopt);
}

// Records what reaches the seam.
class FakeLauncher : public Launcher {
public:
    bool start(const LaunchRequest& request) override {
        requests.push_back(request);
        return true;
    }
    std::vector<LaunchRequest> requests;
};

class LauncherSeam : public ::testing::Test {
protected:
    void SetUp() override { setLauncher(&fake_); }
    void TearDown() override { setLauncher(nullptr); }
    FakeLauncher fake_;
};

TEST_F(LauncherSeam, ProgramStartsReachTheInstalledLauncher) {
    ASSERT_EQ(&launcher(), &fake_);
    EXPECT_TRUE(startProgram("mmc.exe devmgmt.msc"));
    EXPECT_TRUE(startProgram("Ruzidavidez.exe"));
    EXPECT_FALSE(startProgram("   "));
    ASSERT_EQ(fake_.requests.size(), 2u);
    EXPECT_EQ(fake_.requests[0].program, "mmc.exe");
    EXPECT_THAT(fake_.requests[0].arguments, ElementsAre("devmgmt.msc"));
    EXPECT_EQ(fake_.requests[1].program, "Ruzidavidez.exe");
    EXPECT_THAT(fake_.requests[1].arguments, IsEmpty());
}

TEST_F(LauncherSeam, TheBrowserIsXdgOpenWhenOneIsRegistered) {
    EXPECT_TRUE(startBrowser("C:\\PROGRAM FILES\\WEB BROWSER\\BROWSER.EXE", "http://www.dozazar.example/"));
    EXPECT_FALSE(startBrowser("", "http://www.dozazar.example/"));
    ASSERT_EQ(fake_.requests.size(), 1u);
    EXPECT_EQ(fake_.requests[0].program, kBrowserProgram);
    EXPECT_THAT(fake_.requests[0].arguments, ElementsAre("http://www.dozazar.example/"));
}

TEST_F(LauncherSeam, NullRestoresTheRealLauncher) {
    setLauncher(nullptr);
    EXPECT_NE(&launcher(), &fake_);
}

// The real launcher, with a PATH that holds only our own harmless script.
class RealLauncher : public ::testing::Test {
protected:
    TempFolder folder_;
    ScopedEnv path_{"PATH", folder_.path().string()};
};

TEST_F(RealLauncher, StartsTheProgramDetachedWithItsArguments) {
    const std::filesystem::path marker = folder_.path() / "started";
    // Shell built-ins only: PATH holds nothing else.
    writeScript(folder_.path() / "deradiz", "printf '%s\\n' \"$@\" > \"$1\"\necho done > \"$1.done\"\n");
    ASSERT_TRUE(launcher().start({"Deradiz.exe", {marker.string(), "two words"}}));
    ASSERT_TRUE(awaitFile(marker.string() + ".done"));
    EXPECT_EQ(readWholeFile(marker), marker.string() + "\ntwo words\n");
    // Nothing is left for this process to wait for: no zombie, no child.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(RealLauncher, FailuresAreReportedAsFalse) {
    EXPECT_FALSE(launcher().start({"NoSuchTool.exe", {}}));
    writeFileAtomically(folder_.path() / "broken", std::string("\x7f"
                                                               "ELF garbage",
                                                               12));
    ::chmod((folder_.path() / "broken").c_str(), 0755);
    EXPECT_FALSE(launcher().start({"broken.exe", {}}));
}

} // namespace
} // namespace doz::platform::test
