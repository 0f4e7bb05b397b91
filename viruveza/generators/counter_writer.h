#pragma once
// The counter writer of both card lines: set a counter up, optionally read it, reset it. The
// E400 "General Purpose Timer/Counter" file is the classic file under the E400 card's names.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

WriterOutcome WriteCounter(CodeWriter& writer);

} // namespace doz::generators
