// The address word of a mechanism-1 configuration cycle.
#include "dedozovaz/config_address.h"

#include <gtest/gtest.h>

namespace dedozovaz {
namespace {

TEST(ConfigAddress, PacksBusDeviceFunctionAndDwordOffset) {
    EXPECT_EQ(configAddress({0, 0, 0}, 0x00), 0x80000000u);
    EXPECT_EQ(configAddress({0x12, 0x1F, 7}, 0x2C), 0x8012FF2Cu);
    EXPECT_EQ(configAddress({0xFF, 0x01, 0}, 0x14), 0x80FF0814u);
}

TEST(ConfigAddress, OffsetIsRoundedDownToItsDword) {
    EXPECT_EQ(configAddress({1, 2, 3}, 0x2F), configAddress({1, 2, 3}, 0x2C));
}

} // namespace
} // namespace dedozovaz
