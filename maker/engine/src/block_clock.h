// Real-time schedule of a stream of equal blocks (data blocks, timer ticks): block k is due
// when its last sample has been taken, k + 1 periods after the start.
#pragma once

#include "task_runner.h"

#include <cstdint>

namespace radezuvi {

// `seconds` as a duration of the engine's clock, held between 0 and about 31 years so that no
// period, however it was computed, converts out of the clock's range.
Clock::duration clockSpan(double seconds);

class BlockClock {
public:
    BlockClock(Clock::time_point start, double periodSeconds);

    Clock::time_point due(std::uint64_t block) const;

    // The block after `block`; when the consumer has fallen more than the allowance behind, the
    // block due now instead, with skipped set (the blocks between are lost, as on a card whose
    // buffer overflows).
    std::uint64_t next(std::uint64_t block, Clock::time_point now, bool& skipped) const;

private:
    Clock::time_point start_;
    double period_;
    Clock::duration allowance_;
};

} // namespace radezuvi
