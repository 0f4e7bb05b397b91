#include "common/platform/program_resolver.h"

#include "common/platform/reg_path.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace doz::platform {
namespace {

// Windows programs that have a fixed stand-in here, by base name without ".exe".
struct ProgramRule {
    std::string_view windowsName;
    std::string_view binary;
    bool besideProgramFirst;
};

constexpr std::array kProgramRules{
    ProgramRule{"Ruzidavidez", "Ruzidavidez", true},
    ProgramRule{"explorer", "xdg-open", false},
};

constexpr std::string_view kExeSuffix = ".exe";

// "C:\Tools\Deradiz.exe" -> "Deradiz".
std::string_view baseName(std::string_view name) {
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    if (const std::size_t slash = name.find_last_of("\\/"); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    if (name.size() > kExeSuffix.size() && sameName(name.substr(name.size() - kExeSuffix.size()), kExeSuffix))
        name.remove_suffix(kExeSuffix.size());
    return name;
}

bool isExecutableFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// Looks in each folder for the name as written or in lower case, then for any spelling of it
// (Windows names ignore case; most binaries here are lower case).
std::optional<std::filesystem::path> findIn(const std::vector<std::filesystem::path>& folders,
                                            std::string_view name) {
    for (const std::filesystem::path& folder : folders) {
        for (const std::string& spelling : {std::string(name), lowerCase(name)}) {
            if (isExecutableFile(folder / spelling))
                return folder / spelling;
        }
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            if (sameName(it->path().filename().string(), name) && isExecutableFile(it->path()))
                return it->path();
        }
    }
    return std::nullopt;
}

} // namespace

ProgramSearch currentProgramSearch() {
    ProgramSearch search;
    std::error_code error;
    search.programFolder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const char* path = std::getenv("PATH");
    std::string_view folders = path == nullptr ? std::string_view() : path;
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        // An empty entry would mean the current folder; programs are not started from there.
        if (end > 0)
            search.pathFolders.emplace_back(folders.substr(0, end));
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return search;
}

std::optional<std::filesystem::path> resolveProgramIn(std::string_view windowsName,
                                                      const ProgramSearch& search) {
    const std::string_view name = baseName(windowsName);
    if (name.empty() || name == "." || name == "..")
        return std::nullopt;
    const auto rule = std::find_if(kProgramRules.begin(), kProgramRules.end(),
                                   [name](const ProgramRule& r) { return sameName(r.windowsName, name); });
    if (rule == kProgramRules.end())
        return findIn(search.pathFolders, name);
    if (rule->besideProgramFirst && !search.programFolder.empty()) {
        if (auto beside = findIn({search.programFolder}, rule->binary))
            return beside;
    }
    return findIn(search.pathFolders, rule->binary);
}

} // namespace doz::platform
