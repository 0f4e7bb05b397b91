#pragma once
// Classic-line continuous analog input: buffered, paced acquisition on the multifunction cards
// and digitizers, to a buffer or a file, with double buffering and conversion to volts.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// Writes nothing for a record without channels (`channelCount` 0).
WriterOutcome WriteClassicContinuousAi(CodeWriter& writer);

} // namespace doz::generators
