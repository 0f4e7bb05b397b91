#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace doz::platform {

// Where programs named by their Windows name are looked for.
struct ProgramSearch {
    std::filesystem::path programFolder;            // the folder of the running program
    std::vector<std::filesystem::path> pathFolders; // $PATH, in order
};

// The search of this process: /proc/self/exe's folder and $PATH.
ProgramSearch currentProgramSearch();

// The binary that stands for a Windows program name (a folder part and ".exe" are dropped):
// "Ruzidavidez.exe" is the Ruzidavidez binary beside the running program, else on PATH;
// "explorer.exe" is xdg-open; any other name is its base name on PATH in any case, the
// spelling as written or in lower case first ("Deradiz.exe" -> Deradiz or deradiz).
// Nullopt when nothing executable is found.
std::optional<std::filesystem::path> resolveProgramIn(std::string_view windowsName,
                                                      const ProgramSearch& search);

} // namespace doz::platform
