// The 64-byte record, byte by byte, as a caller reads it.
#include "dedozovaz/model_ids.h"
#include "simulated_scan.h"

#include <gtest/gtest.h>

#include <array>

extern "C" int dedozovaz_c_caller_count(void);

namespace dedozovaz::test {
namespace {

using Bytes = std::array<unsigned char, 64>;
constexpr unsigned char Untouched = 0xCC;

// Scans the bus into records prefilled with Untouched bytes.
std::vector<Bytes> scanBytes(const std::vector<SimCard>& cards, std::uint16_t& count) {
    const SimulatedBusFile bus(busText(cards));
    std::vector<Bytes> records(VIZ_MAX_DEVICES);
    for (Bytes& r : records)
        r.fill(Untouched);
    count = VIZFindDev(7, reinterpret_cast<VIZDevRecord*>(records.data()));
    return records;
}

std::uint16_t le16(const Bytes& r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | r[at + 1] << 8);
}

void expectName(const Bytes& r, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        EXPECT_EQ(r[6 + i], name[i]) << "narrow byte " << i;
        EXPECT_EQ(le16(r, 16 + 2 * i), static_cast<unsigned char>(name[i])) << "wide unit " << i;
    }
    EXPECT_EQ(r[6 + name.size()], 0) << "narrow terminator";
    EXPECT_EQ(le16(r, 16 + 2 * name.size()), 0) << "wide terminator";
}

void expectUnwrittenTail(const Bytes& r) {
    for (std::size_t at = 50; at < 64; ++at)
        EXPECT_EQ(r[at], Untouched) << "byte " << at;
}

TEST(RecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    SimCard e400{.device = 3, .vendor = MakerVendorId, .deviceId = idOf(Model::E455)};
    SimCard m610{.device = 4, .vendor = MakerVendorId, .deviceId = idOf(Model::M610)};
    SimCard secondM610 = m610;
    secondM610.device = 5;
    std::uint16_t count = 0;
    const auto records = scanBytes({e400, m610, secondM610}, count);
    ASSERT_EQ(count, 3);

    EXPECT_EQ(le16(records[0], 0), 1);
    EXPECT_EQ(le16(records[0], 2), 11);
    EXPECT_EQ(le16(records[0], 4), 0);
    expectName(records[0], "DAQ-E455");
    EXPECT_EQ(le16(records[0], 48), 0xFFFF);
    expectUnwrittenTail(records[0]);

    EXPECT_EQ(le16(records[2], 0), 0);
    EXPECT_EQ(le16(records[2], 2), 20);
    EXPECT_EQ(le16(records[2], 4), 1);
    expectName(records[2], "PCI-M610");
    EXPECT_EQ(le16(records[2], 48), 0xFFFF);
    expectUnwrittenTail(records[2]);
}

TEST(RecordLayout, CallersInCSeeBothExports) {
    EXPECT_EQ(dedozovaz_c_caller_count(), 32 + 42);
}

} // namespace
} // namespace dedozovaz::test
