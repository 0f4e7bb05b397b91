#include "common/platform/launcher.h"

#include "common/platform/command_line.h"
#include "common/platform/detached_spawn.h"
#include "common/platform/program_resolver.h"

#include <atomic>

namespace doz::platform {
namespace {

class RealLauncher final : public Launcher {
public:
    bool start(const LaunchRequest& request) override {
        const auto program = resolveProgram(request.program);
        return program && spawnDetached(*program, request.arguments);
    }
};

std::atomic<Launcher*> installedFake{nullptr};

} // namespace

Launcher::~Launcher() = default;

Launcher& launcher() {
    static RealLauncher real;
    Launcher* fake = installedFake.load();
    return fake != nullptr ? *fake : real;
}

void setLauncher(Launcher* fake) {
    installedFake.store(fake);
}

bool startProgram(std::string_view windowsCommandLine) {
    std::vector<std::string> words = splitCommandLine(windowsCommandLine);
    if (words.empty())
        return false;
    LaunchRequest request{std::move(words.front()), {}};
    request.arguments.assign(std::make_move_iterator(words.begin() + 1),
                             std::make_move_iterator(words.end()));
    return launcher().start(request);
}

bool startBrowser(std::string_view browserProgram, std::string_view target) {
    if (browserProgram.empty())
        return false;
    return launcher().start({std::string(kBrowserProgram), {std::string(target)}});
}

std::optional<std::filesystem::path> resolveProgram(std::string_view windowsName) {
    return resolveProgramIn(windowsName, currentProgramSearch());
}

} // namespace doz::platform
