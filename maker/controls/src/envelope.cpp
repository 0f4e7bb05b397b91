#include "maker/controls/envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define DOZ_ENVELOPE_AVX 1
#include <immintrin.h>
#endif

namespace doz::controls {
namespace {

// Lowest and highest sample of [first, last). `v < lo ? v : lo` skips NaN (the comparison is
// false), which is exactly what the processor's packed min and max instructions do, so the
// vector path and the scalar tail agree.
struct Extremes {
    double low;
    double high;
};

Extremes scalarExtremes(const double* p, const double* last, Extremes e) {
    for (; p < last; ++p) {
        e.low = *p < e.low ? *p : e.low;
        e.high = *p > e.high ? *p : e.high;
    }
    return e;
}

// The extremes of `lanes` vector lanes of lows and highs.
Extremes lanesExtremes(const double* lows, const double* highs, int lanes) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Extremes e{inf, -inf};
    for (int i = 0; i < lanes; ++i) {
        e.low = lows[i] < e.low ? lows[i] : e.low;
        e.high = highs[i] > e.high ? highs[i] : e.high;
    }
    return e;
}

#if defined(__SSE2__)
// Eight samples a step in four independent pairs of lanes, so no min or max waits on the one
// before it; the lanes are named so they stay in registers.
Extremes sse2Extremes(const double* first, const double* last) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    __m128d lo0 = _mm_set1_pd(inf), lo1 = lo0, lo2 = lo0, lo3 = lo0;
    __m128d hi0 = _mm_set1_pd(-inf), hi1 = hi0, hi2 = hi0, hi3 = hi0;
    const double* p = first;
    for (; last - p >= 8; p += 8) {
        const __m128d v0 = _mm_loadu_pd(p);
        const __m128d v1 = _mm_loadu_pd(p + 2);
        const __m128d v2 = _mm_loadu_pd(p + 4);
        const __m128d v3 = _mm_loadu_pd(p + 6);
        lo0 = _mm_min_pd(v0, lo0);
        lo1 = _mm_min_pd(v1, lo1);
        lo2 = _mm_min_pd(v2, lo2);
        lo3 = _mm_min_pd(v3, lo3);
        hi0 = _mm_max_pd(v0, hi0);
        hi1 = _mm_max_pd(v1, hi1);
        hi2 = _mm_max_pd(v2, hi2);
        hi3 = _mm_max_pd(v3, hi3);
    }
    double low[2];
    double high[2];
    _mm_storeu_pd(low, _mm_min_pd(_mm_min_pd(lo0, lo1), _mm_min_pd(lo2, lo3)));
    _mm_storeu_pd(high, _mm_max_pd(_mm_max_pd(hi0, hi1), _mm_max_pd(hi2, hi3)));
    return scalarExtremes(p, last, lanesExtremes(low, high, 2));
}
#endif

#if defined(DOZ_ENVELOPE_AVX)
// The same with four-lane registers, on processors that have them (checked once at run time).
__attribute__((target("avx"))) Extremes avxExtremes(const double* first, const double* last) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    __m256d lo0 = _mm256_set1_pd(inf), lo1 = lo0, lo2 = lo0, lo3 = lo0;
    __m256d hi0 = _mm256_set1_pd(-inf), hi1 = hi0, hi2 = hi0, hi3 = hi0;
    const double* p = first;
    for (; last - p >= 16; p += 16) {
        const __m256d v0 = _mm256_loadu_pd(p);
        const __m256d v1 = _mm256_loadu_pd(p + 4);
        const __m256d v2 = _mm256_loadu_pd(p + 8);
        const __m256d v3 = _mm256_loadu_pd(p + 12);
        lo0 = _mm256_min_pd(v0, lo0);
        lo1 = _mm256_min_pd(v1, lo1);
        lo2 = _mm256_min_pd(v2, lo2);
        lo3 = _mm256_min_pd(v3, lo3);
        hi0 = _mm256_max_pd(v0, hi0);
        hi1 = _mm256_max_pd(v1, hi1);
        hi2 = _mm256_max_pd(v2, hi2);
        hi3 = _mm256_max_pd(v3, hi3);
    }
    alignas(32) double low[4];
    alignas(32) double high[4];
    _mm256_store_pd(low, _mm256_min_pd(_mm256_min_pd(lo0, lo1), _mm256_min_pd(lo2, lo3)));
    _mm256_store_pd(high, _mm256_max_pd(_mm256_max_pd(hi0, hi1), _mm256_max_pd(hi2, hi3)));
    _mm256_zeroupper();
    return scalarExtremes(p, last, lanesExtremes(low, high, 4));
}
#endif

Extremes extremesOf(const double* first, const double* last) {
#if defined(DOZ_ENVELOPE_AVX)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) {
        return avxExtremes(first, last);
    }
#endif
#if defined(__SSE2__)
    return sse2Extremes(first, last);
#else
    constexpr double inf = std::numeric_limits<double>::infinity();
    return scalarExtremes(first, last, {inf, -inf});
#endif
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
