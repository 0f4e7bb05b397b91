#pragma once
// Classic-line single-point digital writers: read one port or line, write one port or line and
// optionally read it back.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

WriterOutcome WriteClassicDigitalInput(CodeWriter& writer);
WriterOutcome WriteClassicDigitalOutput(CodeWriter& writer);

} // namespace doz::generators
