#include "tests/support/task_file.h"

#include <sstream>

namespace doz::test {

std::string taskFileText(const TaskRecord& task) {
    std::ostringstream text;
    text << "radezuvi-task 1\noperation 0x" << std::hex << task.operation << std::dec << "\ndevice "
         << task.typeCode << ' ' << task.cardNumber << '\n';
    if (!task.description.empty())
        text << "description " << task.description << '\n';
    if (!task.channels.empty())
        text << "channels " << task.channels << '\n';
    text << task.more << "end\n";
    return text.str();
}

} // namespace doz::test
