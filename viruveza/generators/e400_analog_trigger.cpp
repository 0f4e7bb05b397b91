#include "viruveza/generators/e400_analog_trigger.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"
#include "viruveza/generators/trigger_level.h"

#include <array>

namespace doz::generators::e400 {

namespace {

enum class LevelRange : std::uint8_t { FirstChannel, Entry, TenVoltsBipolar, NoInput };

struct TriggerInput {
    const char* name;
    LevelRange range;
    std::uint8_t entry;  // the AI entry whose range codes the levels, for LevelRange::Entry
    bool isChannelInput; // one of the inputs CH0 to CH3
};

constexpr TriggerInput NoTriggerInput = {"", LevelRange::NoInput, 0, false};

// By bits 0 to 2 of `trigPolarity`.
constexpr std::array<TriggerInput, 8> TriggerInputs = {{
    {"ADCATRIG", LevelRange::FirstChannel, 0, false},
    {"EXTATRIG", LevelRange::TenVoltsBipolar, 0, false},
    {"CH1ATRIG", LevelRange::Entry, 1, true},
    NoTriggerInput,
    {"CH2ATRIG", LevelRange::Entry, 2, true},
    NoTriggerInput,
    {"CH3ATRIG", LevelRange::Entry, 3, true},
    NoTriggerInput,
}};

// The simultaneous cards trigger on their channel 0 where the others use the converter's input.
constexpr TriggerInput SimultaneousFirstInput = {"CH0ATRIG", LevelRange::Entry, 0, true};

// Levels of a trigger that names no input.
constexpr std::uint16_t NoInputLevelCode = 128;
constexpr std::uint16_t TenVoltsBipolarRange = 1;

TriggerInput InputOf(const DeviceSetup& record, ChannelTriggerInputs inputs) {
    const unsigned source = record.trigPolarity & 0x7u;
    TriggerInput input = TriggerInputs[source];
    if (source == 0 && IsE400Simultaneous(record.cardType))
        input = SimultaneousFirstInput;
    if (input.isChannelInput && inputs == ChannelTriggerInputs::Unnamed)
        return NoTriggerInput;
    return input;
}

std::uint16_t LevelCode(float volts, const TriggerInput& input, const DeviceSetup& record,
                        std::uint16_t firstChannel) {
    switch (input.range) {
    case LevelRange::FirstChannel:
        return AnalogTriggerLevelCode(volts, AiEntry(record, firstChannel).range);
    case LevelRange::Entry:
        return AnalogTriggerLevelCode(volts, AiEntry(record, input.entry).range);
    case LevelRange::TenVoltsBipolar:
        return AnalogTriggerLevelCode(volts, TenVoltsBipolarRange);
    case LevelRange::NoInput:
        break;
    }
    return NoInputLevelCode;
}

} // namespace

bool AnalogTriggerWanted(const DeviceSetup& record, std::uint16_t triggerWord) {
    return record.clockSource != 0 || (triggerWord & 0x3u) == AnalogTriggerSource;
}

void WriteAnalogTriggerConstants(CodeWriter& writer, std::uint16_t firstChannel,
                                 ChannelTriggerInputs inputs) {
    const DeviceSetup& record = writer.record();
    const TriggerInput input = InputOf(record, inputs);
    writer.putf("#define AnalogTrigCtrl    %s|", input.name);
    writer.putf("%s\n", NameAt(AnalogConditionNames, (record.trigPolarity >> 8) & 0x7u));
    writer.putf("#define HTriggerLevel  %d\n", LevelCode(record.level, input, record, firstChannel));
    writer.putf("#define LTriggerLevel  %d\n", LevelCode(record.levelLow, input, record, firstChannel));
}

void WriteAnalogTriggerConfig(CodeWriter& writer) {
    writer.putf("\terr = R4A_AIO_Config(cardID, %s, AnalogTrigCtrl, HTriggerLevel, LTriggerLevel);\n",
                NameAt(TimeBaseNames, writer.record().clockSource));
    writer.errCheck();
}

} // namespace doz::generators::e400
