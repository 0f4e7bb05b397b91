#pragma once
// The analog trigger of the E400 continuous writers: its constants (source, condition and the
// two level codes) and the R4A_AIO_Config call that applies them with the time base.

#include "viruveza/generators/code_writer.h"

#include <cstdint>

namespace doz::generators::e400 {

// Whether the input channels 1 to 3 can be named as trigger sources (the E465 writer cannot).
enum class ChannelTriggerInputs { Named, Unnamed };

// The block is wanted for a time base other than the internal one or an analog trigger source
// in `triggerWord` (bits 0 to 1).
bool AnalogTriggerWanted(const DeviceSetup& record, std::uint16_t triggerWord);

// "#define AnalogTrigCtrl", "#define HTriggerLevel" and "#define LTriggerLevel". The levels are
// coded on the range of the trigger input: the AI entry of `firstChannel` for the converter's
// own input, the input's entry for a channel input, ±10 V for the external input; sources that
// name no input get an empty name and both codes 128.
void WriteAnalogTriggerConstants(CodeWriter& writer, std::uint16_t firstChannel, ChannelTriggerInputs inputs);

// The R4A_AIO_Config call with the record's time base, followed by ErrCheck.
void WriteAnalogTriggerConfig(CodeWriter& writer);

} // namespace doz::generators::e400
