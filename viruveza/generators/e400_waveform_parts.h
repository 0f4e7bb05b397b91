#pragma once
// What the E400 waveform writers (one group, and the E465's two groups) write alike: the group
// write-source and trigger constants, the stop mode, the memory check and the pieces of the
// output-pattern composition.

#include "viruveza/generators/code_writer.h"

#include <array>
#include <cstdint>

namespace doz::generators::e400 {

// Trigger-word bits of the analog output writers.
inline constexpr std::uint16_t AoDelayModeBit = 0x4;
inline constexpr std::uint16_t AoRetriggerBit = 0x20;
inline constexpr std::uint16_t AoDelay1InUpdatesBit = 0x40;
inline constexpr std::uint16_t AoDelay2InUpdatesBit = 0x80;
inline constexpr std::uint16_t AoDelay2Bit = 0x100;
inline constexpr std::uint16_t AoNegativeEdgeBit = 0x200;

inline constexpr std::uint16_t DefiniteOperation = 1;

// The edge name of an external digital trigger; nullptr for the other sources.
const char* AoEdgeName(std::uint16_t triggerWord);

// The words of one group of a card that drives its outputs as groups (E460, E465).
struct GroupWords {
    const char* suffix; // appended to the constant names: "" for one group, "A" or "B" for the E465's two
    const char* group;  // "DA_Group_A" ...
    const std::array<const char*, 3>& writeSourceNames;
    std::uint16_t writeWord; // bits 0 to 1 write source, 4 to 5 trigger-delay, 6 to 7 break-delay source
    std::uint16_t triggerWord;
    std::uint16_t retriggerCount;
    std::uint16_t delayScans;
    std::uint16_t delay2Count;
};

// ConfigCtrl, TrigCtrl, ReTrgCnt, DlyScans (delay mode) and Dly2Count of one group.
void WriteGroupConfigConstants(CodeWriter& writer, const GroupWords& words);

// The name of a stop-mode code.
const char* StopModeName(std::uint16_t code);

// R4A_AO_InitialMemoryAllocated and the comparison of the driver's memory with `sampleCount`
// samples.
void WriteAoMemoryCheck(CodeWriter& writer, const char* sampleCount);

// The output pattern: allocation, the loop over `channelCount` channels, and its end.
void WritePatternStart(CodeWriter& writer, const char* allocationCount, const char* channelCount);
void WritePatternEnd(CodeWriter& writer);

// Which buffer of a double-buffered output a pattern is for; Only without double buffer.
enum class PatternBuffer { Only, First, Second };

// The comment lines that ask for the pattern in volts and announce its conversion.
void WriteVoltsPatternHead(CodeWriter& writer, PatternBuffer buffer);
// The R4A_AO_VoltScale line for `channel` with its error check, inside the conversion loop.
void WriteVoltsPatternScale(CodeWriter& writer, const char* channel);
// The placeholder asking for the pattern of `channel` in raw codes.
void WriteRawPatternPlaceholder(CodeWriter& writer, const char* channel, PatternBuffer buffer);
// The error check after a composition call.
void WriteComposeCheck(CodeWriter& writer);

} // namespace doz::generators::e400
