#pragma once
// E400-line continuous analog input: buffered acquisition with trigger modes, analog trigger,
// retrigger, double buffering, streaming to a file and conversion to volts.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// Normalises the record's channel selection and, when retrigger does not apply, sets its
// `reTrigCount` to 1; the record keeps both changes.
WriterOutcome WriteE400ContinuousAi(CodeWriter& writer);

} // namespace doz::generators
