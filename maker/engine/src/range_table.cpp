#include "range_table.h"

#include <algorithm>
#include <iterator>

namespace radezuvi {

namespace {

struct RangeRow {
    int code;
    RangeSpan span;
};

constexpr RangeRow kRanges[] = {
    {201, {-10, 10}},         {202, {-5, 5}},       {203, {-2.5, 2.5}},     {204, {-2, 2}},
    {205, {-1.25, 1.25}},     {206, {-1, 1}},       {207, {-0.625, 0.625}}, {208, {-0.5, 0.5}},
    {209, {-0.3125, 0.3125}}, {210, {-0.25, 0.25}}, {211, {-0.2, 0.2}},     {212, {-0.1, 0.1}},
    {213, {-0.05, 0.05}},     {214, {-0.01, 0.01}}, {215, {-0.005, 0.005}}, {216, {-0.001, 0.001}},
    {250, {0, 20}},           {251, {4, 20}},       {252, {5, 25}},
};

} // namespace

RangeSpan rangeSpan(int code) {
    const auto* it = std::find_if(std::begin(kRanges), std::end(kRanges),
                                  [&](const RangeRow& r) { return r.code == code; });
    return it == std::end(kRanges) ? rangeSpan(kDefaultVoltageRange) : it->span;
}

bool isCurrentRange(int code) {
    return code >= 250 && code <= 252;
}

} // namespace radezuvi
