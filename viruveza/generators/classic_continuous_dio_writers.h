#pragma once
// Classic-line continuous digital input and output on the two high-speed digital cards (D210,
// D260 revision B): paced transfers with a double buffer or a ring of buffers.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

WriterOutcome WriteClassicContinuousDi(CodeWriter& writer);
WriterOutcome WriteClassicContinuousDo(CodeWriter& writer);

} // namespace doz::generators
