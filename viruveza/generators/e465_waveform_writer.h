#pragma once
// The E465's waveform writer: group A, group B, both groups as one, or both run separately.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// Normalises the record's channel selection first (the E465's own way) and keeps the result.
WriterOutcome WriteE465Waveform(CodeWriter& writer);

} // namespace doz::generators
