#include "revorur/tasks/task_files.h"

#include "common/platform/utf8.h"

#include <dirent.h>

namespace doz::tasks {

bool IsTaskFileName(std::string_view fileName) {
    constexpr std::string_view ext = ".tsk";
    if (fileName.size() <= ext.size())
        return false;
    const std::string_view tail = fileName.substr(fileName.size() - ext.size());
    for (std::size_t i = 0; i < ext.size(); ++i) {
        const char c = tail[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ext[i])
            return false;
    }
    return true;
}

std::vector<TaskFile> ListTaskFiles(const std::string& folder) {
    std::vector<TaskFile> files;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return files;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (entry->d_type == DT_DIR || !IsTaskFileName(name))
            continue;
        files.push_back({std::string(name), std::string(name.substr(0, name.size() - 4))});
    }
    ::closedir(dir);
    return files;
}

bool IsValidTaskName(std::string_view name) {
    constexpr std::size_t longestFileName = 255; // bytes, the file systems' limit
    if (name.empty() || name == "." || name == ".." || name.size() + 4 > longestFileName ||
        !platform::isValidUtf8(name))
        return false;
    if (name.back() == '.' || name.back() == ' ')
        return false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            return false;
        if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

} // namespace doz::tasks
