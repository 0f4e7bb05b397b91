// The real-time schedule of blocks: due times and how a consumer that fell far behind skips
// ahead, as a card whose buffer overflows loses the blocks in between.
#include "block_clock.h"

#include <gtest/gtest.h>

namespace radezuvi {
namespace {

using namespace std::chrono_literals;

TEST(BlockClock, BlockIsDueAfterItsLastSample) {
    const auto start = Clock::now();
    const BlockClock clock(start, 0.1);
    EXPECT_EQ(clock.due(0) - start, std::chrono::duration_cast<Clock::duration>(100ms));
    EXPECT_EQ(clock.due(9) - start, std::chrono::duration_cast<Clock::duration>(1s));
}

TEST(BlockClock, SlightLagKeepsEveryBlock) {
    const auto start = Clock::now();
    const BlockClock clock(start, 0.1);
    bool skipped = true;
    EXPECT_EQ(clock.next(4, start + 900ms, skipped), 5u);
    EXPECT_FALSE(skipped);
}

TEST(BlockClock, LagBeyondTheAllowanceSkipsToTheBlockDueNow) {
    const auto start = Clock::now();
    const BlockClock clock(start, 0.1);
    bool skipped = false;
    EXPECT_EQ(clock.next(4, start + 3050ms, skipped), 30u);
    EXPECT_TRUE(skipped);
}

TEST(BlockClock, LongBlocksAllowTwoBlocksOfLag) {
    const auto start = Clock::now();
    const BlockClock clock(start, 2.0);
    bool skipped = true;
    EXPECT_EQ(clock.next(0, start + 7s, skipped), 1u); // block 1 is due at 4 s, 3 s late
    EXPECT_FALSE(skipped);
    EXPECT_EQ(clock.next(0, start + 9s, skipped), 4u);
    EXPECT_TRUE(skipped);
}

} // namespace
} // namespace radezuvi
