// Numbering, switch-set card numbers, bridges and bounds of a scan over a simulated bus.
#include "dedozovaz/model_ids.h"
#include "simulated_scan.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dedozovaz::test {
namespace {

constexpr std::uint16_t Maker = MakerVendorId;

SimCard makerCard(int bus, int device, Model model) {
    return {.bus = bus,
            .device = device,
            .vendor = Maker,
            .deviceId = idOf(model),
            .subsystemVendor = Maker,
            .subsystem = idOf(model),
            .bar1 = 0xE001};
}

SimCard switchCard(int bus, int device, Model model, std::uint32_t gpio, std::uint32_t ioBase) {
    SimCard card = makerCard(bus, device, model);
    card.bar1 = ioBase;
    card.gpio = gpio;
    return card;
}

SimCard plx9080(int device, std::uint16_t subsystemVendor, std::uint16_t subsystem) {
    return {.device = device,
            .vendor = 0x10B5,
            .deviceId = 0x9080,
            .subsystemVendor = subsystemVendor,
            .subsystem = subsystem,
            .bar1 = 0xE001};
}

TEST(ScanNumbering, SameModelNumberedInBusOrder) {
    const auto found = scan({makerCard(0, 9, Model::M610), makerCard(2, 1, Model::M610)});
    const std::vector<Found> expected{{0, 20, 0, "PCI-M610"}, {0, 20, 1, "PCI-M610"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanNumbering, EachFamilyAndTypeCountsOnItsOwn) {
    const auto found =
        scan({makerCard(0, 1, Model::M610), makerCard(0, 2, Model::A120), makerCard(0, 3, Model::E420),
              makerCard(0, 4, Model::M610), makerCard(0, 5, Model::E420), makerCard(0, 6, Model::M630)});
    const std::vector<Found> expected{{0, 20, 0, "PCI-M610"}, {0, 1, 0, "PCI-A120"}, {1, 1, 0, "DAQ-E420"},
                                      {0, 20, 1, "PCI-M610"}, {1, 1, 1, "DAQ-E420"}, {0, 23, 0, "PCI-M630"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanNumbering, ModelsReportedUnderAnotherNameShareItsCounter) {
    const auto found = scan({makerCard(0, 1, Model::D230), makerCard(0, 2, Model::D215),
                             makerCard(0, 3, Model::D265), makerCard(0, 4, Model::D270)});
    const std::vector<Found> expected{
        {0, 9, 0, "PCI-D230"}, {0, 9, 1, "PCI-D230"}, {0, 31, 0, "PCI-D270"}, {0, 31, 1, "PCI-D270"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanNumbering, OnlyFunctionZeroOfASlotIsScanned) {
    SimCard second = makerCard(0, 4, Model::M610);
    second.function = 1;
    EXPECT_EQ(scan({second}), std::vector<Found>{});
}

TEST(ScanSwitches, D240SetToFiveIsCardFiveWhereverItSits) {
    const std::uint32_t five = switchLines({0, 2});
    const std::vector<Found> alone{{0, 33, 5, "PCI-D240"}};
    EXPECT_EQ(scan({switchCard(0, 0, Model::D240, five, 0xE001)}), alone);

    const auto behindOthers =
        scan({switchCard(0, 3, Model::D240, switchLines({1}), 0xD001), makerCard(1, 4, Model::M610),
              switchCard(7, 30, Model::D240, five, 0xE101)});
    const std::vector<Found> expected{{0, 33, 2, "PCI-D240"}, {0, 20, 0, "PCI-M610"}, {0, 33, 5, "PCI-D240"}};
    EXPECT_EQ(behindOthers, expected);
}

TEST(ScanSwitches, LowFourLinesGiveTheNumberOfD240AndD242) {
    const auto found = scan({switchCard(0, 1, Model::D240, switchLines({0, 1, 2, 3, 8}), 0xE001),
                             switchCard(0, 2, Model::D242, switchLines({3, 4, 5}), 0xE101)});
    const std::vector<Found> expected{{0, 33, 15, "PCI-D240"}, {0, 34, 8, "PCI-D242"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanSwitches, D245AddsLineEightAsSixteen) {
    const auto found = scan({switchCard(0, 1, Model::D245, switchLines({0, 8}), 0xE001)});
    EXPECT_EQ(found, (std::vector<Found>{{0, 35, 17, "PCI-D245"}}));
}

TEST(ScanSwitches, D29xCardsReadLinesFourToSeven) {
    const auto found = scan({switchCard(0, 1, Model::D295, switchLines({4, 7}), 0xE001),
                             switchCard(0, 2, Model::D290, switchLines({0, 1, 2, 3, 5}), 0xE101),
                             switchCard(0, 3, Model::D291, switchLines({4, 5, 6, 7, 8}), 0xE201),
                             switchCard(0, 4, Model::D292, switchLines({6}), 0xE301)});
    const std::vector<Found> expected{
        {0, 36, 9, "PCI-D295"}, {0, 37, 2, "PCI-D290"}, {0, 38, 15, "PCI-D291"}, {0, 39, 4, "PCI-D292"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanSwitches, CardsWithoutSwitchesIgnoreTheRegister) {
    const auto found = scan({switchCard(0, 1, Model::M610, switchLines({0, 1, 2}), 0xE001)});
    EXPECT_EQ(found, (std::vector<Found>{{0, 20, 0, "PCI-M610"}}));
}

TEST(ScanSwitches, BaseComesFromTheThirdRegisterWhenTheSecondIsZero) {
    SimCard card = switchCard(0, 5, Model::D240, switchLines({0, 2}), 0);
    card.bar2 = 0xE201;
    EXPECT_EQ(scan({card}), (std::vector<Found>{{0, 33, 5, "PCI-D240"}}));
}

TEST(ScanBridges, Plx9080TellsTheTwoD260KindsBySubsystemVendor) {
    const auto found = scan({plx9080(1, 0x9999, idOf(Model::D260)), plx9080(2, Maker, idOf(Model::D260))});
    const std::vector<Found> expected{{0, 14, 0, "PCI-D260"}, {0, 15, 0, "PCI-D260"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanBridges, Plx9080WithAnythingElseIsNoCard) {
    const auto found = scan({plx9080(1, 0x1234, idOf(Model::D260)), plx9080(2, 0x9999, idOf(Model::M610)),
                             plx9080(3, Maker, idOf(Model::D270))});
    EXPECT_EQ(found, std::vector<Found>{});
}

TEST(ScanBridges, E400IdWithBit15SetIsTheSameType) {
    SimCard high = makerCard(0, 1, Model::E435);
    high.deviceId |= 0x8000;
    const auto found = scan({high, makerCard(0, 2, Model::E435)});
    const std::vector<Found> expected{{1, 2, 0, "DAQ-E435"}, {1, 2, 1, "DAQ-E435"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanBridges, OnlyE400IdsMayCarryBit15) {
    SimCard classic = makerCard(0, 1, Model::M610);
    classic.deviceId |= 0x8000;
    SimCard digitizer = makerCard(0, 2, Model::S730);
    digitizer.deviceId |= 0x8000;
    EXPECT_EQ(scan({classic, digitizer}), std::vector<Found>{});
}

TEST(ScanBridges, UnknownVendorsAndIdsAreSkipped) {
    const auto found =
        scan({{.device = 1, .vendor = 0x8086, .deviceId = idOf(Model::M610)},
              {.device = 2, .vendor = Maker, .deviceId = 0x0001},
              {.device = 3, .vendor = 0x10E8, .deviceId = 0x80DB},
              {.device = 4, .vendor = 0x10B5, .deviceId = 0x9054, .subsystem = idOf(Model::M610)},
              {.device = 5, .vendor = 0x10B5, .deviceId = 0x9050, .subsystem = idOf(Model::D240)},
              makerCard(0, 6, Model::T310)});
    EXPECT_EQ(found, (std::vector<Found>{{0, 19, 0, "PCI-T310"}}));
}

TEST(ScanBounds, NullRecordsReturn32WithoutScanning) {
    const doz::test::ScopedEnv bus("DEDOZOVAZ_PCI_SIM", "/nonexistent/bus.txt");
    EXPECT_EQ(VIZFindDev(0, nullptr), 32);
}

TEST(ScanBounds, EmptyOrUnreadableBusFindsNothing) {
    EXPECT_TRUE(scanRecords({}).empty());

    const doz::test::ScopedEnv bus("DEDOZOVAZ_PCI_SIM", "/nonexistent/bus.txt");
    VIZDevRecord record{};
    EXPECT_EQ(VIZFindDev(0, &record), 0);
}

TEST(ScanBounds, MoreThan32CardsKeepTheFirst32AndStayInTheBuffer) {
    std::vector<SimCard> cards;
    for (int i = 0; i < 40; ++i)
        cards.push_back(makerCard(i / 32, i % 32, Model::M610));
    const SimulatedBusFile bus(busText(cards));

    constexpr std::size_t CallerBytes = 2048;
    constexpr unsigned char Untouched = 0xA5;
    std::vector<unsigned char> memory(CallerBytes + 8 * sizeof(VIZDevRecord), Untouched);
    ASSERT_EQ(VIZFindDev(0, reinterpret_cast<VIZDevRecord*>(memory.data())), 32);

    for (int i = 0; i < 32; ++i) {
        VIZDevRecord record;
        std::memcpy(&record, memory.data() + i * sizeof record, sizeof record);
        EXPECT_EQ(record.card_number, i);
        EXPECT_STREQ(record.name, "PCI-M610");
    }
    for (std::size_t i = CallerBytes; i < memory.size(); ++i)
        ASSERT_EQ(memory[i], Untouched) << "byte " << i << " past the caller's 2048";
}

TEST(ScanExports, FnDEDOzovazReturns42) {
    EXPECT_EQ(fnDEDOzovaz(), 42);
}

} // namespace
} // namespace dedozovaz::test
