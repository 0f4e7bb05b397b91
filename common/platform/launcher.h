#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace doz::platform {

// A program start as the Windows programs ask for it: the program by its Windows name
// ("Ruzidavidez.exe", "explorer.exe") and its arguments.
struct LaunchRequest {
    std::string program;
    std::vector<std::string> arguments;
};

// Every program start goes through this seam; tests install a fake.
class Launcher {
public:
    virtual ~Launcher();
    // True when the program was started. Failures are silent.
    virtual bool start(const LaunchRequest& request) = 0;
};

// The process-wide launcher: the real one unless a fake is installed.
Launcher& launcher();
// Installs a fake (not owned); nullptr restores the real launcher.
void setLauncher(Launcher* fake);

// What the browser of the Windows programs turns into here.
inline constexpr std::string_view kBrowserProgram = "xdg-open";

// Splits a Windows command line ("mmc.exe devmgmt.msc") into program and arguments and starts it.
bool startProgram(std::string_view windowsCommandLine);
// Opens `target` (a web address or a file) with the registered web browser, which is
// xdg-open here: the request is {kBrowserProgram, {target}}. False, and nothing started,
// when no browser is registered (`browserProgram` empty).
bool startBrowser(std::string_view browserProgram, std::string_view target);
// The binary that the real launcher runs for a Windows program name (see program_resolver.h).
std::optional<std::filesystem::path> resolveProgram(std::string_view windowsName);

} // namespace doz::platform
