#pragma once
// Classic-line interrupt events: enable a card's interrupt source, then wait on its event or
// have the driver call a callback, and disable it again.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// Also sets the record's `channel` to the interrupt line used: 1 for the second line, else 0.
WriterOutcome WriteClassicInterruptEvent(CodeWriter& writer);

} // namespace doz::generators
