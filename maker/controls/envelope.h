#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace doz::controls {

// A block of digital samples as the engine hands it: `count` samples of the width given beside
// it (8, 16 or 32 bits, native byte order) at `words`. Only read during the call it is passed to.
struct DigitalSamples {
    const void* words = nullptr;
    std::size_t count = 0;
};

// One analog block reduced for drawing: for every pixel column the lowest and the highest sample
// that fell in it, so a column draws as one vertical stroke (two points). A column that received
// no finite sample holds low > high and draws nothing.
struct AnalogEnvelope {
    std::vector<double> low;
    std::vector<double> high;
    std::size_t samples = 0; // samples of the block the envelope was made from
    double minimum = 0.0;    // extremes of the finite samples (0 when there were none)
    double maximum = 0.0;
};

// One digital block reduced for drawing: per pixel column, the lines that were 1 at some sample
// (`ones`) and the lines that were 0 at some sample (`zeros`); a line in both has an edge there.
struct DigitalEnvelope {
    std::vector<std::uint32_t> ones;
    std::vector<std::uint32_t> zeros;
    std::size_t samples = 0;
    int width = 0; // bits per sample, one trace per bit line
};

// Reduces `data` in one pass into `columns` columns (at least 1, at most the sample count) of
// `out`, reusing its storage. Sample i falls in column i * columns / data.size(). NaN samples are
// skipped; infinities count as samples.
void reduceAnalog(std::span<const double> data, int columns, AnalogEnvelope& out);

// Reduces `data` of `width` bits per sample (8, 16 or 32; any other width yields an empty
// envelope) in one pass into `columns` columns of `out`.
void reduceDigital(DigitalSamples data, int width, int columns, DigitalEnvelope& out);

} // namespace doz::controls
