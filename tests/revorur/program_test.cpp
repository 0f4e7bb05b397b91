// Revorur's program entry: one instance per desktop, and exceptions that do not end it.

#include "common/platform/single_instance.h"
#include "common/ui/testing/scripted_dialogs.h"
#include "revorur/program.h"
#include "revorur/shell/revorur_application.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_registry.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace doz::revorur {
namespace {

// A runtime folder, temporary folder, hive and offscreen platform of the test's own, for the
// instance locks and the program started in the child; so tests run side by side do not meet.
class RuntimeDir : public doz::test::RegistryTest {
protected:
    // Runs the program entry in a child process; its exit status, or -2 when it did not end
    // within the time given.
    static int runInChild(std::chrono::seconds limit) {
        const pid_t child = ::fork();
        if (child == 0) {
            char name[] = "Revorur";
            char* argv[] = {name, nullptr};
            ::_exit(RunRevorur(1, argv));
        }
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return -2;
            }
            ::usleep(10'000);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
    }

    doz::test::ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder().path().string()};
    doz::test::ScopedEnv temporary_{"TMPDIR", folder().path().string()};
    doz::test::ScopedEnv platform_{"QT_QPA_PLATFORM", "offscreen"};
};

TEST_F(RuntimeDir, ASecondInstanceEndsAtOnceWithStatusZero) {
    platform::SingleInstanceLock running("Revorur");
    ASSERT_EQ(running.state(), platform::SingleInstanceLock::State::Acquired);
    EXPECT_EQ(runInChild(std::chrono::seconds(10)), 0);
    EXPECT_EQ(running.state(), platform::SingleInstanceLock::State::Acquired) << "the first keeps its lock";
}

TEST_F(RuntimeDir, TheFirstInstanceRunsItsWindowUntilItCloses) {
    // Without another instance the program shows its window and waits in the event loop,
    // so the child is still running when the time is up.
    EXPECT_EQ(runInChild(std::chrono::seconds(2)), -2);
}

class Thrower : public QObject {
public:
    bool throwStd = true;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            if (throwStd)
                throw std::runtime_error("Access violation at address 0");
            throw 42;
        }
        return QObject::event(e);
    }
};

TEST(RevorurApplication, EscapingExceptionsAreShownAndTheProgramGoesOn) {
    int argc = 1;
    char name[] = "Revorur";
    char* argv[] = {name, nullptr};
    const doz::test::ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    shell::RevorurApplication app(argc, argv);
    EXPECT_EQ(QApplication::applicationName(), "Revorur");
    ui::testing::ScopedDialogs dialogs;
    Thrower thrower;

    QEvent first(QEvent::User);
    QApplication::sendEvent(&thrower, &first);
    thrower.throwStd = false;
    QEvent second(QEvent::User);
    QApplication::sendEvent(&thrower, &second);

    const auto shown = dialogs.callsOf(ui::testing::DialogCall::Kind::ShowException);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Access violation at address 0");
    EXPECT_EQ(shown[1].text, "") << "a thrown non-exception shows an empty message";
}

} // namespace
} // namespace doz::revorur
