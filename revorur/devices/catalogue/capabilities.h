#pragma once
// Capability records: what a test panel offers for a card type. Plain structures handed to
// the panels; in every list only the first `count` entries are defined.

#include <cstdint>

namespace doz::catalogue {

inline constexpr int MaxRanges = 16;
inline constexpr int MaxReferences = 3;
inline constexpr int MaxModes = 2;
inline constexpr int MaxPorts = 16;

struct AiCapability {
    std::uint16_t channelCount;
    std::uint16_t modeCount;
    std::int32_t modes[MaxModes]; // 0 continuous acquisition, 1 single value
    std::uint16_t rangeCount;
    std::int32_t ranges[MaxRanges]; // 201 to 216
    std::uint16_t referenceCount;
    std::int32_t references[MaxReferences]; // 300 to 302
    double maxRate;                         // samples per second
};

struct PortList {
    std::uint16_t portCount;
    std::uint16_t widths[MaxPorts]; // lines per port
};

struct GenericCardCaps {
    std::int32_t typeCode;
    AiCapability ai;
    std::uint16_t aoChannelCount;
    PortList dio;
};

struct AiCardCaps {
    std::int32_t typeCode;
    AiCapability ai;
    PortList di; // counts only
    PortList dO; // counts only
};

struct DioCardCaps {
    std::int32_t typeCode;
    PortList di; // counts only
    PortList dO; // counts only
};

// Builders never fail: an unlisted code gets the defaults, with its own code in the record.
GenericCardCaps BuildGenericCardCaps(int typeCode);
AiCardCaps BuildAiCardCaps(int typeCode);
DioCardCaps BuildDioCardCaps(int typeCode);

} // namespace doz::catalogue
