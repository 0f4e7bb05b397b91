#pragma once
// Classic-line single-point analog writers: read one AI value, write one AO voltage.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

WriterOutcome WriteClassicSinglePointAi(CodeWriter& writer);
WriterOutcome WriteClassicAnalogOutput(CodeWriter& writer);

} // namespace doz::generators
