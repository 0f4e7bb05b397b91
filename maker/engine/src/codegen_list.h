// The code-generation list of a task file: the texts a code generator fills into its template.
#pragma once

#include "task_definition.h"

#include <optional>
#include <string>
#include <vector>

namespace radezuvi {

class CodeGenList {
public:
    explicit CodeGenList(const TaskDefinition& definition);

    // Item of an element: 0 device name, 1 enabled channels (one item each), 2 description,
    // 3 task properties (one "id=value" item each).
    std::optional<std::string> item(int element, int index) const;

private:
    std::vector<std::vector<std::string>> elements_;
};

} // namespace radezuvi
