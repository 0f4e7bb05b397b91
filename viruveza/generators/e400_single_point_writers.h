#pragma once
// E400-line single-point writers: read AI channels, write AO voltages, read and write a digital
// port or line.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// The analog writers normalise the record's channel selection first and keep the result in it.
WriterOutcome WriteE400SinglePointAi(CodeWriter& writer);
WriterOutcome WriteE400AnalogOutput(CodeWriter& writer);
WriterOutcome WriteE400DigitalInput(CodeWriter& writer);
WriterOutcome WriteE400DigitalOutput(CodeWriter& writer);

} // namespace doz::generators
