#include "tests/support/process_runner.h"

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include <cerrno>
#include <deque>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace doz::test {

namespace {

// Standard input, output and error go through files, so no pipe can fill up and stall the child.
class SpawnActions {
public:
    SpawnActions(const TempFolder& streams, const std::filesystem::path& workingFolder) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, 0, keep(streams.file("in")), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 1, keep(streams.file("out")),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions_, 2, keep(streams.file("err")),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (!workingFolder.empty())
            posix_spawn_file_actions_addchdir_np(&actions_, keep(workingFolder));
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    // The actions hold pointers to the paths until the spawn, so the strings live here.
    const char* keep(const std::filesystem::path& path) { return paths_.emplace_back(path.string()).c_str(); }

    posix_spawn_file_actions_t actions_{};
    std::deque<std::string> paths_; // growing a deque leaves its elements in place
};

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, std::string_view input,
                         const std::filesystem::path& workingFolder) {
    ProcessResult result;
    if (argv.empty())
        return result;
    const TempFolder streams;
    WriteFile(streams.file("in"), input);
    const SpawnActions actions(streams, workingFolder);

    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ) != 0)
        return result;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.out = ReadFile(streams.file("out"));
    result.err = ReadFile(streams.file("err"));
    return result;
}

} // namespace doz::test
