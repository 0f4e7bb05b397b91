#include "capabilities.h"

#include <algorithm>
#include <initializer_list>

namespace doz::catalogue {
namespace {

struct AnalogRow {
    int code;
    std::uint16_t channels;
    std::initializer_list<int> modes;
    std::initializer_list<int> ranges;
    std::initializer_list<int> references;
    double maxRate;
    std::uint16_t ao;      // generic record
    std::uint16_t diPorts; // AI record
    std::uint16_t doPorts; // AI record
};

const std::initializer_list<int> both = {0, 1};
const std::initializer_list<int> continuousOnly = {0};
const std::initializer_list<int> eRanges = {201, 202, 203, 205};
const std::initializer_list<int> allRefs = {300, 301, 302};

// Code 360 (M630) lists six ranges; its panels offer all six.
const AnalogRow analogRows[] = {
    {1, 4, both, {201, 202}, {301}, 100'000, 2, 0, 0},
    {1510, 4, both, eRanges, {301}, 500'000, 2, 0, 0},
    {1520, 4, both, eRanges, {301}, 250'000, 2, 0, 0},
    {1530, 4, both, eRanges, {301}, 2'000'000, 2, 0, 0},
    {1540, 4, both, eRanges, {301}, 800'000, 2, 0, 0},
    {1550, 64, both, eRanges, allRefs, 3'000'000, 2, 0, 0},
    {1560, 64, both, eRanges, allRefs, 500'000, 2, 0, 0},
    {1570, 64, both, eRanges, allRefs, 250'000, 2, 0, 0},
    {1580, 96, both, eRanges, allRefs, 3'000'000, 0, 0, 0},
    {1590, 16, both, eRanges, allRefs, 250'000, 0, 0, 0},
    {1600, 16, both, eRanges, allRefs, 250'000, 2, 0, 0},
    {1610, 8, both, {201}, {300}, 400'000, 8, 0, 0},
    {1620, 4, both, {201}, {300}, 400'000, 4, 0, 0},
    {330, 16, both, {201, 202, 203, 205, 207}, {300}, 100'000, 0, 1, 1},
    {340, 16, both, {201, 202, 203, 205, 207}, {300}, 100'000, 0, 1, 1},
    {350, 16, both, {201, 202, 203, 205, 207}, {300, 301}, 110'000, 0, 1, 1},
    {360, 32, both, {201, 202, 206, 208, 212, 213}, {300, 301}, 100'000, 0, 0, 0},
    {370, 32, both, eRanges, {300, 301}, 100'000, 0, 1, 1},
    {380, 32, both, {201, 206, 212}, {300, 301}, 100'000, 0, 1, 1},
    {390, 32, both, eRanges, {300, 301}, 250'000, 0, 1, 1},
    {400, 32, both, {201, 206, 212}, {300, 301}, 250'000, 0, 1, 1},
    {410, 64, both, {202, 203, 205}, {300, 301}, 250'000, 0, 1, 1},
    {420, 16, both, {202, 203, 205, 207}, {300, 301}, 333'000, 0, 1, 1},
    {430, 16, both, {202, 208, 213}, {300, 301}, 333'000, 0, 1, 1},
    {440, 16, both, {202, 203, 205, 207}, {300, 301}, 100'000, 0, 1, 1},
    {450, 16, both, {202, 206, 208, 211}, {300, 301}, 250'000, 0, 1, 1},
    {460, 1, continuousOnly, {202, 206}, {301}, 20'000'000, 0, 0, 0},
    {470, 1, continuousOnly, {202, 206}, {301}, 20'000'000, 0, 0, 0},
    {1000, 2, continuousOnly, {202, 206}, {301}, 60'000'000, 0, 0, 0},
};

struct DigitalRow {
    int code;
    std::uint16_t diPorts;
    std::uint16_t doPorts;
};

constexpr DigitalRow digitalRows[] = {
    {80, 1, 1},    {90, 1, 0},   {100, 0, 1},   {110, 3, 3}, {120, 6, 6}, {130, 6, 6},
    {140, 1, 1},   {150, 4, 4},  {160, 1, 1},   {170, 1, 1}, {180, 1, 1}, {190, 1, 1},
    {200, 12, 12}, {210, 6, 6},  {220, 12, 12}, {250, 1, 1}, {260, 2, 0}, {270, 0, 2},
    {280, 6, 6},   {290, 10, 2}, {300, 2, 10},  {310, 0, 4},
};

const AnalogRow* findAnalog(int code) {
    for (const auto& r : analogRows)
        if (r.code == code)
            return &r;
    return nullptr;
}

template <typename T, std::size_t N> std::uint16_t copyCodes(std::initializer_list<int> from, T (&to)[N]) {
    const std::size_t n = std::min(from.size(), N);
    std::copy_n(from.begin(), n, to);
    return static_cast<std::uint16_t>(n);
}

bool hasSingleModeOnly(int code) {
    return code == 460 || code == 470 || code == 1000;
}

AiCapability defaultAi(int code) {
    AiCapability ai{};
    ai.modeCount = copyCodes(hasSingleModeOnly(code) ? continuousOnly : both, ai.modes);
    ai.referenceCount = copyCodes({301}, ai.references);
    ai.maxRate = 100'000;
    return ai;
}

AiCapability aiOf(int code) {
    const AnalogRow* row = findAnalog(code);
    if (!row)
        return defaultAi(code);
    AiCapability ai{};
    ai.channelCount = row->channels;
    ai.modeCount = copyCodes(row->modes, ai.modes);
    ai.rangeCount = copyCodes(row->ranges, ai.ranges);
    ai.referenceCount = copyCodes(row->references, ai.references);
    ai.maxRate = row->maxRate;
    return ai;
}

PortList countsOnly(std::uint16_t count) {
    PortList p{};
    p.portCount = count;
    return p;
}

} // namespace

GenericCardCaps BuildGenericCardCaps(int typeCode) {
    GenericCardCaps caps{};
    caps.typeCode = typeCode;
    caps.ai = aiOf(typeCode);
    if (const AnalogRow* row = findAnalog(typeCode)) {
        caps.aoChannelCount = row->ao;
        // Every card with a generic record has three 8-line digital I/O ports.
        caps.dio.portCount = 3;
        std::fill_n(caps.dio.widths, 3, std::uint16_t{8});
    }
    return caps;
}

AiCardCaps BuildAiCardCaps(int typeCode) {
    AiCardCaps caps{};
    caps.typeCode = typeCode;
    caps.ai = aiOf(typeCode);
    if (const AnalogRow* row = findAnalog(typeCode)) {
        caps.di = countsOnly(row->diPorts);
        caps.dO = countsOnly(row->doPorts);
    }
    return caps;
}

DioCardCaps BuildDioCardCaps(int typeCode) {
    DioCardCaps caps{};
    caps.typeCode = typeCode;
    for (const auto& row : digitalRows) {
        if (row.code == typeCode) {
            caps.di = countsOnly(row.diPorts);
            caps.dO = countsOnly(row.doPorts);
        }
    }
    return caps;
}

} // namespace doz::catalogue
