#include "viruveza/generators/writer_table.h"

#include "viruveza/generators/classic_analog_writers.h"
#include "viruveza/generators/operation_names.h"

#include <array>

namespace doz::generators {

namespace {

constexpr std::array<WriterEntry, 2> Writers = {{
    {CardLine::Classic, classic_operation::SinglePointAi, std::nullopt, WriteClassicSinglePointAi},
    {CardLine::Classic, classic_operation::AnalogOutput, std::nullopt, WriteClassicAnalogOutput},
}};

} // namespace

std::span<const WriterEntry> BuiltInWriters() {
    return Writers;
}

const WriterEntry* FindWriter(std::span<const WriterEntry> writers, CardLine line, std::uint16_t operation,
                              std::uint16_t cardType) {
    for (const WriterEntry& entry : writers) {
        if (entry.line == line && entry.operation == operation &&
            (!entry.cardType || *entry.cardType == cardType))
            return &entry;
    }
    return nullptr;
}

} // namespace doz::generators
