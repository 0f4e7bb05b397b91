#pragma once
// The dispatch table: which writer makes the file for a card line, an operation and a card.
//
// A new writer joins by adding its row to the table in writer_table.cpp; nothing else changes.

#include "viruveza/generators/code_writer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace doz::generators {

using Writer = WriterOutcome (*)(CodeWriter& writer);

struct WriterEntry {
    CardLine line;
    std::uint16_t operation;
    std::optional<std::uint16_t> cardType; // only for this card; every card when empty
    Writer writer;
};

// The suite's writers. Rows are tried in order and the first match wins, so a card-specific
// row goes before the general row of the same operation.
std::span<const WriterEntry> BuiltInWriters();

// The first row of `writers` that serves the line, operation and card; nullptr when none does.
const WriterEntry* FindWriter(std::span<const WriterEntry> writers, CardLine line, std::uint16_t operation,
                              std::uint16_t cardType);

} // namespace doz::generators
