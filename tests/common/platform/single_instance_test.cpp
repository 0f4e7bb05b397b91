#include "process_helpers.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

#include "common/platform/detached_spawn.h"
#include "common/platform/single_instance.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace doz::platform::test {
namespace {

using namespace doz::test;

using State = SingleInstanceLock::State;

// The state a fresh lock of `name` gets in another process.
State stateInOtherProcess(const char* name) {
    const pid_t child = ::fork();
    if (child == 0) {
        const SingleInstanceLock lock(name);
        ::_exit(static_cast<int>(lock.state()));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return static_cast<State>(WEXITSTATUS(status));
}

class SingleInstance : public ::testing::Test {
protected:
    TempFolder runtime_;
    ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.path().string()};
};

TEST_F(SingleInstance, ASecondProcessSeesTheFirstUntilItEnds) {
    {
        const SingleInstanceLock first("Revorur");
        ASSERT_EQ(first.state(), State::Acquired);
        EXPECT_EQ(stateInOtherProcess("Revorur"), State::AlreadyRunning);
        // Another program of the suite has its own lock.
        EXPECT_EQ(stateInOtherProcess("Ruzidavidez"), State::Acquired);
    }
    EXPECT_EQ(stateInOtherProcess("Revorur"), State::Acquired);
}

TEST_F(SingleInstance, AHolderInAnotherProcessBlocksUntilItExits) {
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::close(ready[0]);
        ::close(release[1]);
        ::alarm(60); // a broken test must not leave a process behind
        const SingleInstanceLock lock("Revorur");
        const char state = static_cast<char>(lock.state());
        [[maybe_unused]] ssize_t done = ::write(ready[1], &state, 1);
        char ignored;
        done = ::read(release[0], &ignored, 1);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char holderState = -1;
    ASSERT_EQ(::read(ready[0], &holderState, 1), 1);
    ASSERT_EQ(static_cast<State>(holderState), State::Acquired);

    EXPECT_EQ(SingleInstanceLock("Revorur").state(), State::AlreadyRunning);
    ::close(release[1]);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(SingleInstanceLock("Revorur").state(), State::Acquired);
    ::close(ready[0]);
}

TEST_F(SingleInstance, ProgramsStartedByTheHolderDoNotInheritTheLock) {
    const std::filesystem::path pidFile = runtime_.path() / "child.pid";
    writeScript(runtime_.path() / "lingerer", "echo $$ > \"$1\"\nexec sleep 60\n");
    std::optional<std::string> childPid;
    {
        const SingleInstanceLock lock("Revorur");
        ASSERT_EQ(lock.state(), State::Acquired);
        ASSERT_TRUE(spawnDetached(runtime_.path() / "lingerer", {pidFile.string()}));
        childPid = awaitFile(pidFile);
        ASSERT_TRUE(childPid);
    }
    EXPECT_EQ(stateInOtherProcess("Revorur"), State::Acquired);
    ::kill(std::stoi(*childPid), SIGKILL);
}

TEST_F(SingleInstance, LockFilePlaces) {
    EXPECT_EQ(SingleInstanceLock::lockFile("Revorur"), runtime_.path() / "dozazar-Revorur.lock");
    EXPECT_EQ(SingleInstanceLock::lockFile("a/b").filename(), "dozazar-a_b.lock");
    {
        ScopedEnv noRuntime("XDG_RUNTIME_DIR", "");
        ScopedEnv temporary("TMPDIR", runtime_.path().string());
        EXPECT_EQ(SingleInstanceLock::lockFile("Revorur"),
                  runtime_.path() / ("dozazar-" + std::to_string(::getuid()) + "-Revorur.lock"));
    }
}

TEST_F(SingleInstance, AMissingRuntimeFolderFallsBackToTheTemporaryFolder) {
    const TempFolder temporary;
    ScopedEnv tmpdir("TMPDIR", temporary.path().string());
    ScopedEnv missing("XDG_RUNTIME_DIR", (runtime_.path() / "no-such-folder").string());
    const std::filesystem::path fallback =
        temporary.path() / ("dozazar-" + std::to_string(::getuid()) + "-Revorur.lock");
    EXPECT_EQ(SingleInstanceLock::lockFile("Revorur"), fallback);
    {
        const SingleInstanceLock first("Revorur");
        EXPECT_EQ(first.state(), State::Acquired);
        EXPECT_TRUE(std::filesystem::exists(fallback));
        EXPECT_FALSE(std::filesystem::exists(runtime_.path() / "no-such-folder"));
        EXPECT_EQ(stateInOtherProcess("Revorur"), State::AlreadyRunning)
            << "the fallback still keeps one instance";

        // The toolkit creates a missing runtime folder as it starts; later instances find it.
        std::filesystem::create_directory(runtime_.path() / "no-such-folder");
        EXPECT_EQ(stateInOtherProcess("Revorur"), State::AlreadyRunning);
    }
    EXPECT_EQ(stateInOtherProcess("Revorur"), State::Acquired);
    std::filesystem::remove_all(runtime_.path() / "no-such-folder");

    ScopedEnv relative("XDG_RUNTIME_DIR", "run/user");
    EXPECT_EQ(SingleInstanceLock::lockFile("Revorur"), fallback);
}

TEST_F(SingleInstance, AnInstanceWithTheRuntimeFolderKeepsOutOneWithout) {
    const TempFolder temporary;
    ScopedEnv tmpdir("TMPDIR", temporary.path().string());
    const SingleInstanceLock first("Revorur");
    ASSERT_EQ(first.state(), State::Acquired);
    ScopedEnv missing("XDG_RUNTIME_DIR", (runtime_.path() / "gone").string());
    EXPECT_EQ(stateInOtherProcess("Revorur"), State::AlreadyRunning);
}

} // namespace
} // namespace doz::platform::test
