#include "common/platform/detached_spawn.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace doz::platform {
namespace {

// Runs in the grandchild between fork and exec, so only async-signal-safe calls.
[[noreturn]] void execute(const char* program, char* const argv[], int reportFd) {
    sigset_t all;
    ::sigemptyset(&all);
    ::sigprocmask(SIG_SETMASK, &all, nullptr);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &defaults, nullptr);
    ::sigaction(SIGCHLD, &defaults, nullptr);
    if (const int null = ::open("/dev/null", O_RDONLY); null >= 0) {
        ::dup2(null, STDIN_FILENO);
        if (null != STDIN_FILENO)
            ::close(null);
    }
    ::execv(program, argv);
    const int error = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

} // namespace

bool spawnDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    // Everything the children need is prepared before fork.
    const std::string programText = program.string();
    std::vector<std::string> words{programText};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        // The middle process exits at once, so the program is adopted by init and never
        // becomes our zombie.
        const pid_t grandchild = ::fork();
        if (grandchild == 0)
            execute(programText.c_str(), argv.data(), report[1]);
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

} // namespace doz::platform
