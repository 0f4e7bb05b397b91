// The Linux back-end over a fake sysfs tree and a fake port file.
#include "dedozovaz/sysfs_access.h"

#include "dedozovaz/model_ids.h"
#include "dedozovaz/scan.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace dedozovaz {
namespace {

// Little-endian dwords at the given offsets of an otherwise zero configuration space.
std::string configSpace(std::size_t size,
                        std::initializer_list<std::pair<std::size_t, std::uint32_t>> dwords) {
    std::string bytes(size, '\0');
    for (const auto& [offset, value] : dwords) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

std::string portSpace(std::uint32_t port, std::uint32_t value) {
    return configSpace(port + 4, {{port, value}});
}

class SysfsAccessTest : public ::testing::Test {
protected:
    std::filesystem::path devices() const { return dir.path() / "devices"; }
    std::filesystem::path ports() const { return dir.path() / "port"; }
    void addDevice(const std::string& name, const std::string& config) const {
        dir.write(std::filesystem::path("devices") / name / "config", config);
    }

    doz::test::TempFolder dir;
};

TEST_F(SysfsAccessTest, ReadsDwordsOfListedDevices) {
    addDevice("0000:03:1f.0", configSpace(64, {{0x00, 0x66101D2A}, {0x14, 0xE001}, {0x2C, 0x66101D2A}}));
    SysfsAccess access(devices(), ports());
    EXPECT_EQ(access.readConfig({3, 0x1F, 0}, 0x00), 0x66101D2Au);
    EXPECT_EQ(access.readConfig({3, 0x1F, 0}, 0x14), 0xE001u);
    EXPECT_EQ(access.readConfig({3, 0x1F, 0}, 0x2C), 0x66101D2Au);
    EXPECT_EQ(access.readConfig({3, 0x1F, 0}, 0x18), 0u);
}

TEST_F(SysfsAccessTest, UnlistedSlotsAndOtherDomainsReadAllOnes) {
    addDevice("0000:00:01.0", configSpace(64, {{0x00, 0x12348086}}));
    addDevice("0001:00:02.0", configSpace(64, {{0x00, 0x66101D2A}}));
    dir.write("devices/not-a-device/config", configSpace(64, {}));
    SysfsAccess access(devices(), ports());
    EXPECT_EQ(access.readConfig({0, 1, 0}, 0x00), 0x12348086u);
    EXPECT_EQ(access.readConfig({0, 2, 0}, 0x00), NoDevice);
    EXPECT_EQ(access.readConfig({0, 1, 1}, 0x00), NoDevice);
}

TEST_F(SysfsAccessTest, DevicesAreListedOnceWhenAccessOpens) {
    addDevice("0000:00:01.0", configSpace(64, {{0x00, 0x12348086}}));
    SysfsAccess access(devices(), ports());
    addDevice("0000:00:02.0", configSpace(64, {{0x00, 0x66101D2A}}));
    EXPECT_EQ(access.readConfig({0, 2, 0}, 0x00), NoDevice);
}

TEST_F(SysfsAccessTest, BytesTheFileDoesNotHoldReadAsOnes) {
    addDevice("0000:00:01.0", configSpace(8, {{0x00, 0x66101D2A}}));
    addDevice("0000:00:02.0", configSpace(256, {{0x40, 0xCAFE0001}}));
    std::filesystem::create_directories(devices() / "0000:00:03.0");
    SysfsAccess access(devices(), ports());
    EXPECT_EQ(access.readConfig({0, 1, 0}, 0x00), 0x66101D2Au);
    EXPECT_EQ(access.readConfig({0, 1, 0}, 0x2C), NoDevice);
    EXPECT_EQ(access.readConfig({0, 2, 0}, 0x40), 0xCAFE0001u) << "past the standard header";
    EXPECT_EQ(access.readConfig({0, 3, 0}, 0x00), NoDevice) << "config that cannot be opened";
}

TEST_F(SysfsAccessTest, PortsReadFromThePortFileOrZero) {
    dir.write("port", portSpace(0xE254, 0x00000104));
    SysfsAccess access(devices(), ports());
    EXPECT_EQ(access.readPort(0xE254), 0x104u);

    SysfsAccess withoutPermission(devices(), dir.path() / "no-port");
    EXPECT_EQ(withoutPermission.readPort(0xE254), 0u);
}

TEST_F(SysfsAccessTest, ScanFindsCardsAndReadsTheirSwitches) {
    const std::uint32_t m610 = static_cast<std::uint32_t>(idOf(Model::M610)) << 16 | MakerVendorId;
    const std::uint32_t d240 = static_cast<std::uint32_t>(idOf(Model::D240)) << 16 | MakerVendorId;
    addDevice("0000:00:00.0", configSpace(64, {{0x00, 0x0D578086}}));
    addDevice("0000:02:04.0", configSpace(64, {{0x00, m610}, {0x14, 0xE001}, {0x2C, m610}}));
    addDevice("0000:05:00.0", configSpace(64, {{0x00, d240}, {0x14, 0}, {0x18, 0xE201}, {0x2C, d240}}));
    dir.write("port", portSpace(0xE254, (1u << 2) | (1u << 8)));

    SysfsAccess access(devices(), ports());
    const std::vector<FoundCard> cards = scanBus(access);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].type, 20);
    EXPECT_EQ(cards[0].cardNumber, 0);
    EXPECT_EQ(cards[0].base, 0xE001u);
    EXPECT_EQ(cards[1].sequence, 2);
    EXPECT_EQ(cards[1].type, 33);
    EXPECT_EQ(cards[1].cardNumber, 5);
    EXPECT_EQ(cards[1].base, 0xE201u);
}

} // namespace
} // namespace dedozovaz
