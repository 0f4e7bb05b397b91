#pragma once
// The channel configuration that the E400 analog writers share: the names of a channel's
// settings and the R4A_AI_CH_Config / R4A_AO_CH_Config lines for one channel, all channels,
// a run of consecutive channels or each channel on its own.

#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/code_writer.h"

#include <cstdint>
#include <span>
#include <string>

namespace doz::generators::e400 {

// Reported when a selection of several channels finds none enabled.
inline constexpr const char* NoEnabledChannel = "no channel is enabled in the channel table";

// The AI table entry of a channel; channels beyond the table read as an entry without names.
AiChannelSetting AiEntry(const DeviceSetup& record, std::size_t channel);
// The range name of a channel's AI entry.
const char* AiRangeName(const DeviceSetup& record, std::size_t channel);
// The configuration argument of a channel: "range|ground" on the grounded cards, else "range".
std::string AiConfigArgument(const DeviceSetup& record, std::size_t channel);

// Writes the AI channel configuration for the normalised `list`; `countName` is the constant
// holding the number of channels ("chanCnt", "ADChanCount").
void WriteAiChannelConfig(CodeWriter& writer, const ChannelList& list, const char* countName);

// The settings of a channel's AO entry as the configuration call takes them: polarity name,
// reference name and reference voltage ("%s, %s, %4.2f"); beyond the table: empty names, 0.00.
std::string AoSettings(const DeviceSetup& record, std::size_t channel);
// The output voltage of a channel's AO entry (0 beyond the table).
double AoVoltage(const DeviceSetup& record, std::size_t channel);

struct AoConfigForm {
    const char* channelConstant; // the one-channel constant: "DaChan" or "DAChan"
    bool zeroStartNeedsNoOffset; // a run starting at channel 0 fills chans[] without startChannel
};

// Writes the AO channel configuration for the channels of `channels` (one channel when the
// record's `channelCount` is 1); the count constant is "DAChanCount".
void WriteAoChannelConfig(CodeWriter& writer, std::span<const std::uint16_t> channels, AoConfigForm form);

// An error check at a nesting depth of its own: "if (condition) {" with `outer` spaces after
// the statement tab, its two comment lines with `inner` spaces, and the closing brace.
void IndentedCheck(CodeWriter& writer, const char* condition, int outer, int inner);

} // namespace doz::generators::e400
