// The text of a task file, built from the few fields the tests vary.
#pragma once

#include <string>

namespace doz::test {

struct TaskRecord {
    int operation = 0;
    int typeCode = 0;
    int cardNumber = 0;
    std::string channels{};    // enabled channels, "0 2"; no channels line when empty
    std::string description{}; // no description line when empty
    std::string more{};        // further lines, each ending in a newline, written before "end"
};

std::string taskFileText(const TaskRecord& task);

} // namespace doz::test
