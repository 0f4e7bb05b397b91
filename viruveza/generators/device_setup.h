#pragma once
// The generation record: everything the wizard asked about one generated file, in a fixed
// layout that is copied byte for byte between the wizard pages, the document and the generator.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace doz::generators {

// The card line a record belongs to; the document keeps it beside the record.
enum class CardLine : std::uint8_t { Classic = 0, E400 = 1 };

inline constexpr std::uint16_t NoCardChosen = 0xFFFF;
inline constexpr std::size_t AiChannelEntries = 128;
inline constexpr std::size_t AoChannelEntries = 16;

// Refer to the ground modes by these values in `AiChannelSetting::refGround`.
inline constexpr std::uint16_t AiRse = 0;
inline constexpr std::uint16_t AiDiff = 1;
inline constexpr std::uint16_t AiNrse = 2;

struct AiChannelSetting {
    std::uint32_t enabled;
    std::uint16_t range;     // AD range code 1 to 22
    std::uint16_t refGround; // AiRse, AiDiff or AiNrse
};

struct AoChannelSetting {
    std::uint32_t enabled;
    std::int16_t polarity;  // 0 unipolar, otherwise bipolar
    std::int16_t refSource; // 0 internal, otherwise external reference
    double refVoltage;
    double voltage; // the single-point output value of the channel
};

struct DeviceSetup {
    char title[64];
    std::uint16_t cardType;
    std::int16_t channelPattern;
    std::uint16_t cardNumber;
    std::uint16_t channelCount;
    std::uint16_t channel;
    std::uint16_t adRange;
    double sampleRate;
    std::uint16_t doubleBuffer;
    std::uint32_t scanCount;
    std::uint16_t clockSource;
    std::uint16_t toFile;
    std::uint16_t operation;
    char fileName[256];
    std::uint16_t trigMode;
    std::uint16_t trigSource;
    std::uint16_t burstCount;
    std::uint16_t postCount;
    std::uint16_t trigPolarity;
    std::uint16_t outputMode;
    std::uint16_t modeFlags;
    std::uint16_t funcFlags;
    std::uint16_t clockSelect;
    float level;
    std::uint16_t configFlags;
    std::uint16_t trigFlags;
    std::uint16_t mCount;
    std::uint16_t reTrigCount;
    std::uint32_t scanInterval;
    std::uint32_t sampleInterval;
    std::uint16_t portWidth;
    std::uint16_t terminator;
    std::uint16_t ctrlPolarity;
    std::uint16_t reqPolarity;
    std::uint16_t waitMode;
    std::uint16_t dataFormat;
    std::uint16_t syncMode;
    std::uint16_t reserved; // part of the layout, never read by the writers
    float levelLow;
    AiChannelSetting aiChannels[AiChannelEntries];
    AoChannelSetting aoChannels[AoChannelEntries];
};

// The layout is the record: every size and offset is checked.
static_assert(std::is_standard_layout_v<DeviceSetup> && std::is_trivially_copyable_v<DeviceSetup>);
static_assert(sizeof(AiChannelSetting) == 8 && offsetof(AiChannelSetting, range) == 4 &&
              offsetof(AiChannelSetting, refGround) == 6);
static_assert(sizeof(AoChannelSetting) == 24 && offsetof(AoChannelSetting, polarity) == 4 &&
              offsetof(AoChannelSetting, refSource) == 6 && offsetof(AoChannelSetting, refVoltage) == 8 &&
              offsetof(AoChannelSetting, voltage) == 16);
static_assert(offsetof(DeviceSetup, title) == 0);
static_assert(offsetof(DeviceSetup, cardType) == 64);
static_assert(offsetof(DeviceSetup, channelPattern) == 66);
static_assert(offsetof(DeviceSetup, cardNumber) == 68);
static_assert(offsetof(DeviceSetup, channelCount) == 70);
static_assert(offsetof(DeviceSetup, channel) == 72);
static_assert(offsetof(DeviceSetup, adRange) == 74);
static_assert(offsetof(DeviceSetup, sampleRate) == 80);
static_assert(offsetof(DeviceSetup, doubleBuffer) == 88);
static_assert(offsetof(DeviceSetup, scanCount) == 92);
static_assert(offsetof(DeviceSetup, clockSource) == 96);
static_assert(offsetof(DeviceSetup, toFile) == 98);
static_assert(offsetof(DeviceSetup, operation) == 100);
static_assert(offsetof(DeviceSetup, fileName) == 102);
static_assert(offsetof(DeviceSetup, trigMode) == 358);
static_assert(offsetof(DeviceSetup, trigSource) == 360);
static_assert(offsetof(DeviceSetup, burstCount) == 362);
static_assert(offsetof(DeviceSetup, postCount) == 364);
static_assert(offsetof(DeviceSetup, trigPolarity) == 366);
static_assert(offsetof(DeviceSetup, outputMode) == 368);
static_assert(offsetof(DeviceSetup, modeFlags) == 370);
static_assert(offsetof(DeviceSetup, funcFlags) == 372);
static_assert(offsetof(DeviceSetup, clockSelect) == 374);
static_assert(offsetof(DeviceSetup, level) == 376);
static_assert(offsetof(DeviceSetup, configFlags) == 380);
static_assert(offsetof(DeviceSetup, trigFlags) == 382);
static_assert(offsetof(DeviceSetup, mCount) == 384);
static_assert(offsetof(DeviceSetup, reTrigCount) == 386);
static_assert(offsetof(DeviceSetup, scanInterval) == 388);
static_assert(offsetof(DeviceSetup, sampleInterval) == 392);
static_assert(offsetof(DeviceSetup, portWidth) == 396);
static_assert(offsetof(DeviceSetup, terminator) == 398);
static_assert(offsetof(DeviceSetup, ctrlPolarity) == 400);
static_assert(offsetof(DeviceSetup, reqPolarity) == 402);
static_assert(offsetof(DeviceSetup, waitMode) == 404);
static_assert(offsetof(DeviceSetup, dataFormat) == 406);
static_assert(offsetof(DeviceSetup, syncMode) == 408);
static_assert(offsetof(DeviceSetup, reserved) == 410);
static_assert(offsetof(DeviceSetup, levelLow) == 412);
static_assert(offsetof(DeviceSetup, aiChannels) == 416);
static_assert(offsetof(DeviceSetup, aoChannels) == 1440);
static_assert(sizeof(DeviceSetup) == 1824);

// The entries the wizard starts its channel tables with.
inline constexpr AiChannelSetting InitialAiChannel{0, 1, AiRse};
inline constexpr AoChannelSetting InitialAoChannel{0, 1, 0, 10.0, 0.0};

// The record as the wizard starts it: no card chosen, every other slot 0, initial channel tables.
DeviceSetup InitialDeviceSetup();

} // namespace doz::generators
