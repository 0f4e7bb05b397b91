#pragma once
// The names the E400 writers put into generated code, indexed by the code the record holds.

#include "viruveza/generators/name_lists.h"

#include <array>

namespace doz::generators::e400 {

// By `AiChannelSetting::refGround`.
inline constexpr std::array<const char*, 3> AiGroundNames = {"AI_RSE", "AI_DIFF", "AI_NRSE"};

// Digital ports by `channel`.
inline constexpr std::array<const char*, 5> PortNames = {"Channel_P1A", "Channel_P1B", "Channel_P1C",
                                                         "Channel_P1CL", "Channel_P1CH"};

// By `clockSource`.
inline constexpr std::array<const char*, 3> TimeBaseNames = {"DOZU4R_IntTimeBase", "DOZU4R_ExtTimeBase",
                                                             "DOZU4R_SSITimeBase"};

// Continuous AI conversion source, by `trigSource` / 4 (codes 0, 4, 8, 12).
inline constexpr std::array<const char*, 4> AiConversionSourceNames = {
    "DOZU4R_AI_ADCONVSRC_Int", "DOZU4R_AI_ADCONVSRC_AFI0", "DOZU4R_AI_ADCONVSRC_SSI",
    "DOZU4R_AI_ADCONVSRC_AFI1"};

// Trigger sources by bits 0 to 1 of the trigger word: software, analog, external digital, SSI.
inline constexpr std::array<const char*, 4> AiTriggerSourceNames = {
    "DOZU4R_AI_TRGSRC_SOFT", "DOZU4R_AI_TRGSRC_ANA", "DOZU4R_AI_TRGSRC_ExtD", "DOZU4R_AI_TRSRC_SSI"};
inline constexpr std::array<const char*, 4> AoTriggerSourceNames = {
    "DOZU4R_DA_TRGSRC_SOFT", "DOZU4R_DA_TRGSRC_ANA", "DOZU4R_DA_TRGSRC_ExtD", "DOZU4R_DA_TRSRC_SSI"};

// The trigger sources of the trigger word's bits 0 to 1.
inline constexpr unsigned AnalogTriggerSource = 1;
inline constexpr unsigned ExternalDigitalTriggerSource = 2;

// Analog-trigger condition, by bits 8 to 10 of `trigPolarity`.
inline constexpr std::array<const char*, 5> AnalogConditionNames = {
    "Below_Low_level", "Above_High_Level", "Inside_Region", "High_Hysteresis", "Low_Hysteresis"};

// Analog output write sources: the group cards (E460, E465 group A) and the others (and E465 group B).
inline constexpr std::array<const char*, 3> GroupWriteSourceNames = {
    "DOZU4R_DA_WRSRC_Int", "DOZU4R_DA_WRSRC_AFI0", "DOZU4R_DA_WRSRC_SSI"};
inline constexpr std::array<const char*, 3> ChannelWriteSourceNames = {
    "DOZU4R_DA_WRSRC_Int", "DOZU4R_DA_WRSRC_AFI1", "DOZU4R_DA_WRSRC_SSI"};
// Trigger-delay counter source (bits 4 to 5) and break-delay counter source (bits 6 to 7).
inline constexpr std::array<const char*, 4> TriggerDelaySourceNames = {
    "DOZU4R_DA_TDSRC_Int", "DOZU4R_DA_TDSRC_AFI0", "DOZU4R_DA_TDSRC_GPTC0", "DOZU4R_DA_TDSRC_GPTC1"};
inline constexpr std::array<const char*, 4> BreakDelaySourceNames = {
    "DOZU4R_DA_BDSRC_Int", "DOZU4R_DA_BDSRC_AFI0", "DOZU4R_DA_BDSRC_GPTC0", "DOZU4R_DA_BDSRC_GPTC1"};

// Waveform stop mode, by `terminator` (and the E465's `portWidth`).
inline constexpr std::array<const char*, 3> StopModeNames = {
    "DOZU4R_DA_TerminateImmediate", "DOZU4R_DA_TerminateUC", "DOZU4R_DA_TerminateIC"};

} // namespace doz::generators::e400
