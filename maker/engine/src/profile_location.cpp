#include "profile_location.h"

#include <cstdlib>
#include <dlfcn.h>
#include <system_error>
#include <vector>

namespace radezuvi {

namespace {

constexpr const char* kProfileName = "demo.machine";

std::optional<std::filesystem::path> libraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&demoProfilePath), &info) == 0 || !info.dli_fname) {
        return std::nullopt;
    }
    return std::filesystem::path(info.dli_fname).parent_path();
}

std::optional<std::filesystem::path> programFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::nullopt : std::optional(program.parent_path());
}

} // namespace

std::optional<std::filesystem::path> demoProfilePath() {
    std::vector<std::filesystem::path> candidates;
    if (const auto folder = libraryFolder()) {
        candidates.push_back(*folder / "profiles" / kProfileName);
        candidates.push_back(*folder / ".." / "bin" / "profiles" / kProfileName);
    }
    if (const auto folder = programFolder()) {
        candidates.push_back(*folder / "profiles" / kProfileName);
    }
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.lexically_normal();
        }
    }
    return std::nullopt;
}

std::filesystem::path machineProfilePath() {
    if (const char* named = std::getenv("RADEZUVI_MACHINE"); named && *named) {
        return named;
    }
    if (auto registered = registryProfilePath()) {
        return *registered;
    }
    return demoProfilePath().value_or(std::filesystem::path());
}

} // namespace radezuvi
