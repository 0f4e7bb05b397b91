#include "startup_paths.h"

#include "common/platform/registry.h"

#include <algorithm>
#include <filesystem>

namespace doz::shell {

using platform::openKey;
using platform::RootKey;

std::string NativePath(std::string_view storedPath) {
    std::string path(storedPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string ProgramFolderOf(std::string_view programFile) {
    const std::string native = NativePath(programFile);
    const auto cut = native.find_last_of('/');
    return cut == std::string::npos ? std::string() : native.substr(0, cut);
}

namespace {

std::string withoutOneTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

platform::PathField readTaskFolder(std::string_view programFolder) {
    platform::PathField folder;
    auto key = openKey(RootKey::LocalMachine, RadezuviKey);
    const auto value = key ? key->readString("Task Folder") : std::nullopt;
    if (value) {
        folder = withoutOneTrailingSeparator(NativePath(*value));
        return folder;
    }
    folder = programFolder;
    // Remember the fall-back, but never create the engine's key: the installer owns it.
    if (key)
        key->writeString("Task Folder", folder.str());
    return folder;
}

// "D:/Dozazar" and "D:/Dozazar/" name the same folder.
std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder.push_back('/');
    return folder;
}

} // namespace

StartupPaths ReadStartupPaths(std::string_view programFolder) {
    StartupPaths paths;
    paths.taskFolder = readTaskFolder(programFolder);

    const auto key = openKey(RootKey::LocalMachine, RadezuviKey);
    const auto storeFolder = key ? key->readString("Path") : std::nullopt;
    if (storeFolder && !storeFolder->empty()) {
        paths.aliasIniPath = withSeparator(NativePath(*storeFolder)) + "Task Manager/DeviceName.ini";
        paths.aliasStoreRegistered = true;
    } else {
        paths.aliasIniPath =
            (std::filesystem::path(programFolder) / "Task Manager" / "DeviceName.ini").string();
    }
    return paths;
}

} // namespace doz::shell
