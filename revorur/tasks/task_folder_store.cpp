#include "revorur/tasks/task_folder_store.h"

#include "common/platform/registry.h"
#include "revorur/shell/startup_paths.h"

namespace doz::tasks {

std::string StartupTaskFolder(const std::string& programFolder) {
    const auto key = platform::openKey(platform::RootKey::LocalMachine, shell::RadezuviKey);
    const auto value = key ? key->readString("Task Folder") : std::nullopt;
    if (!value)
        return programFolder;
    std::string folder = shell::NativePath(*value);
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool StoreTaskFolder(const std::string& folder) {
    auto key = platform::openKey(platform::RootKey::LocalMachine, shell::RadezuviKey);
    return key && key->writeString("Task Folder", folder);
}

} // namespace doz::tasks
