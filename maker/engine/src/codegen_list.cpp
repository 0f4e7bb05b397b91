#include "codegen_list.h"

#include "device_table.h"

#include <array>
#include <charconv>

namespace radezuvi {

namespace {

std::string numberText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

CodeGenList::CodeGenList(const TaskDefinition& definition) : elements_(4) {
    const DeviceEntry* entry = entryOfType(definition.typeCode);
    elements_[0].emplace_back(entry ? entry->name : std::string_view());
    for (const auto channel : definition.channels) {
        elements_[1].push_back(std::to_string(channel));
    }
    elements_[2].push_back(definition.description);
    for (const auto& [id, value] : definition.properties) {
        elements_[3].push_back(std::to_string(id) + "=" + numberText(value));
    }
}

std::optional<std::string> CodeGenList::item(int element, int index) const {
    if (element < 0 || element >= static_cast<int>(elements_.size())) {
        return std::nullopt;
    }
    const auto& items = elements_[static_cast<std::size_t>(element)];
    if (index < 0 || index >= static_cast<int>(items.size())) {
        return std::nullopt;
    }
    return items[static_cast<std::size_t>(index)];
}

} // namespace radezuvi
