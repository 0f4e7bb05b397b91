#pragma once
// The task files of a task folder and the names a task may be given.

#include <string>
#include <string_view>
#include <vector>

namespace doz::tasks {

struct TaskFile {
    std::string fileName; // as the folder holds it, extension included
    std::string taskName; // the file name without its last four characters
};

// Whether a file name ends in ".tsk" in any letter case and has a name before it.
bool IsTaskFileName(std::string_view fileName);

// The task files of `folder` in the order the file system lists them; none for a missing folder.
std::vector<TaskFile> ListTaskFiles(const std::string& folder);

// Whether `name` can become a task file name "<name>.tsk" in the task folder: not empty, not
// "." or "..", no path separator, no control character, no character a Windows task folder
// cannot hold (< > : " / \ | ? *), no trailing dot or blank, valid UTF-8, and short enough for the file name
// "<name>.tsk".
bool IsValidTaskName(std::string_view name);

} // namespace doz::tasks
