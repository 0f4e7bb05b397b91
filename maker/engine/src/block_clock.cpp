#include "block_clock.h"

#include <algorithm>
#include <cmath>

namespace radezuvi {

namespace {

constexpr double kLagAllowanceSeconds = 1.0;
constexpr double kLagAllowanceBlocks = 2.0;

constexpr double kLongestSpanSeconds = 1e9;

} // namespace

Clock::duration clockSpan(double seconds) {
    const double held = seconds > 0 ? std::min(seconds, kLongestSpanSeconds) : 0.0; // NaN holds 0
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(held));
}

BlockClock::BlockClock(Clock::time_point start, double periodSeconds)
    : start_(start), period_(periodSeconds),
      allowance_(clockSpan(std::max(kLagAllowanceSeconds, kLagAllowanceBlocks * periodSeconds))) {}

Clock::time_point BlockClock::due(std::uint64_t block) const {
    return start_ + clockSpan(period_ * static_cast<double>(block + 1));
}

std::uint64_t BlockClock::next(std::uint64_t block, Clock::time_point now, bool& skipped) const {
    skipped = now - due(block + 1) > allowance_;
    if (!skipped) {
        return block + 1;
    }
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    return std::max(block + 1, static_cast<std::uint64_t>(std::floor(elapsed / period_)));
}

} // namespace radezuvi
