#pragma once
// E400-line continuous analog output (waveform) for the cards with one output group.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// Normalises the record's channel selection first and keeps the result in it.
WriterOutcome WriteE400ContinuousAo(CodeWriter& writer);

} // namespace doz::generators
