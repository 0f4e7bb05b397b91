#include "maker/controls/envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace doz::controls {
namespace {

// Lowest and highest sample of [first, last). Four independent lanes let the compiler keep the
// loop in vector registers; `v < lo ? v : lo` skips NaN (the comparison is false) and maps to
// the processor's own min and max instructions.
struct Extremes {
    double low;
    double high;
};

Extremes extremesOf(const double* first, const double* last) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double lo[4] = {inf, inf, inf, inf};
    double hi[4] = {-inf, -inf, -inf, -inf};
    const double* p = first;
    for (; last - p >= 4; p += 4) {
        for (int k = 0; k < 4; ++k) {
            lo[k] = p[k] < lo[k] ? p[k] : lo[k];
            hi[k] = p[k] > hi[k] ? p[k] : hi[k];
        }
    }
    for (; p < last; ++p) {
        lo[0] = *p < lo[0] ? *p : lo[0];
        hi[0] = *p > hi[0] ? *p : hi[0];
    }
    return {std::min(std::min(lo[0], lo[1]), std::min(lo[2], lo[3])),
            std::max(std::max(hi[0], hi[1]), std::max(hi[2], hi[3]))};
}

int usableColumns(std::size_t samples, int columns) {
    return static_cast<int>(std::clamp<std::size_t>(static_cast<std::size_t>(std::max(columns, 1)), 1,
                                                    std::max<std::size_t>(samples, 1)));
}

// First sample of column c of `columns` over `samples` samples.
std::size_t columnStart(std::size_t samples, int columns, int c) {
    const auto n = static_cast<std::uint64_t>(samples);
    const auto cols = static_cast<std::uint64_t>(columns);
    return static_cast<std::size_t>((n * static_cast<std::uint64_t>(c) + cols - 1) / cols);
}

template <class Word> void reduceWords(const Word* words, std::size_t samples, DigitalEnvelope& out) {
    const int columns = static_cast<int>(out.ones.size());
    for (int c = 0; c < columns; ++c) {
        Word ones = 0;
        Word zeros = 0;
        const std::size_t end = columnStart(samples, columns, c + 1);
        for (std::size_t i = columnStart(samples, columns, c); i < end; ++i) {
            ones |= words[i];
            zeros |= static_cast<Word>(~words[i]);
        }
        out.ones[c] = ones;
        out.zeros[c] = zeros;
    }
}

} // namespace

void reduceAnalog(std::span<const double> data, int columns, AnalogEnvelope& out) {
    const int count = usableColumns(data.size(), columns);
    out.samples = data.size();
    out.low.resize(data.empty() ? 0 : count);
    out.high.resize(out.low.size());
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (std::size_t c = 0; c < out.low.size(); ++c) {
        const int col = static_cast<int>(c);
        const Extremes e = extremesOf(data.data() + columnStart(data.size(), count, col),
                                      data.data() + columnStart(data.size(), count, col + 1));
        out.low[c] = e.low;
        out.high[c] = e.high;
        lowest = std::min(lowest, e.low);
        highest = std::max(highest, e.high);
    }
    const bool anyFinite = lowest <= highest;
    out.minimum = anyFinite ? lowest : 0.0;
    out.maximum = anyFinite ? highest : 0.0;
}

void reduceDigital(DigitalSamples data, int width, int columns, DigitalEnvelope& out) {
    const bool usable = (width == 8 || width == 16 || width == 32) && data.words != nullptr && data.count > 0;
    out.samples = usable ? data.count : 0;
    out.width = usable ? width : 0;
    const int count = usable ? usableColumns(data.count, columns) : 0;
    out.ones.resize(count);
    out.zeros.resize(count);
    if (!usable)
        return;
    if (width == 8)
        reduceWords(static_cast<const std::uint8_t*>(data.words), data.count, out);
    else if (width == 16)
        reduceWords(static_cast<const std::uint16_t*>(data.words), data.count, out);
    else
        reduceWords(static_cast<const std::uint32_t*>(data.words), data.count, out);
}

} // namespace doz::controls
