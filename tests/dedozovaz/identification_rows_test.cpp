// Every row of every identification table found as its type, one table per simulated bus.
#include "dedozovaz/model_ids.h"
#include "simulated_scan.h"

#include <gtest/gtest.h>

namespace dedozovaz::test {
namespace {

struct Row {
    std::uint16_t id;
    Found expected;
};

// Puts one card per row on bus 0 in row order and checks what the scan reports.
void expectRows(const std::vector<Row>& rows, SimCard (*card)(std::uint16_t id)) {
    std::vector<SimCard> cards;
    std::vector<Found> expected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        cards.push_back(card(rows[i].id));
        cards.back().device = static_cast<int>(i);
        expected.push_back(rows[i].expected);
    }
    EXPECT_EQ(scan(cards), expected);
}

SimCard onMakerVendor(std::uint16_t id) {
    return {.vendor = MakerVendorId,
            .deviceId = id,
            .subsystemVendor = MakerVendorId,
            .subsystem = id,
            .bar1 = 0xE001};
}

SimCard onPlx9050(std::uint16_t id) {
    // The subsystem vendor is not compared.
    return {.vendor = 0x10B5, .deviceId = 0x9050, .subsystemVendor = 0x4242, .subsystem = id, .bar1 = 0xE001};
}

SimCard onAmcc(std::uint16_t id) {
    return {.vendor = 0x10E8, .deviceId = id, .bar1 = 0xE001};
}

using enum Model;

TEST(IdentificationRows, MakerClassicLine) {
    expectRows({{idOf(A120), {0, 1, 0, "PCI-A120"}},  {idOf(A130), {0, 3, 0, "PCI-A130"}},
                {idOf(D215), {0, 9, 0, "PCI-D230"}},  {idOf(D220), {0, 6, 0, "PCI-D220"}},
                {idOf(D223), {0, 7, 0, "PCI-D223"}},  {idOf(D224), {0, 8, 0, "PCI-D224"}},
                {idOf(D230), {0, 9, 1, "PCI-D230"}},  {idOf(D231), {0, 10, 0, "PCI-D231"}},
                {idOf(D235), {0, 11, 0, "PCI-D235"}}, {idOf(D237), {0, 12, 0, "PCI-D237"}},
                {idOf(D240), {0, 33, 0, "PCI-D240"}}, {idOf(D242), {0, 34, 0, "PCI-D242"}},
                {idOf(D250), {0, 13, 0, "PCI-D250"}}, {idOf(D265), {0, 31, 0, "PCI-D270"}},
                {idOf(D270), {0, 31, 1, "PCI-D270"}}, {idOf(D280), {0, 16, 0, "PCI-D280"}},
                {idOf(D281), {0, 17, 0, "PCI-D281"}}, {idOf(D282), {0, 18, 0, "PCI-D282"}},
                {idOf(T310), {0, 19, 0, "PCI-T310"}}, {idOf(M610), {0, 20, 0, "PCI-M610"}},
                {idOf(M630), {0, 23, 0, "PCI-M630"}}, {idOf(M640), {0, 24, 0, "PCI-M640"}},
                {idOf(M650), {0, 32, 0, "PCI-M650"}}, {idOf(D245), {0, 35, 0, "PCI-D245"}},
                {idOf(D295), {0, 36, 0, "PCI-D295"}}, {idOf(D290), {0, 37, 0, "PCI-D290"}},
                {idOf(D291), {0, 38, 0, "PCI-D291"}}, {idOf(D292), {0, 39, 0, "PCI-D292"}},
                {idOf(M670), {0, 40, 0, "PCI-M670"}}, {idOf(M680), {0, 41, 0, "PCI-M680"}},
                {idOf(A110), {0, 42, 0, "PCI-A110"}}},
               onMakerVendor);
}

TEST(IdentificationRows, MakerE400AndDigitizerLines) {
    expectRows({{idOf(E410), {1, 4, 0, "DAQ-E410"}},
                {idOf(E415), {1, 6, 0, "DAQ-E415"}},
                {idOf(E420), {1, 1, 0, "DAQ-E420"}},
                {idOf(E430), {1, 5, 0, "DAQ-E430"}},
                {idOf(E435), {1, 2, 0, "DAQ-E435"}},
                {idOf(E440), {1, 3, 0, "DAQ-E440"}},
                {idOf(E445), {1, 9, 0, "DAQ-E445"}},
                {idOf(E460), {1, 7, 0, "DAQ-E460"}},
                {idOf(E465), {1, 8, 0, "DAQ-E465"}},
                {idOf(E450), {1, 10, 0, "DAQ-E450"}},
                {idOf(E455), {1, 11, 0, "DAQ-E455"}},
                {idOf(E425), {1, 12, 0, "DAQ-E425"}},
                {idOf(S730), {2, 1, 0, "PCI-S730"}}},
               onMakerVendor);
}

TEST(IdentificationRows, Plx9050Bridge) {
    expectRows({{idOf(A120), {0, 1, 0, "PCI-A120"}},  {idOf(A130), {0, 3, 0, "PCI-A130"}},
                {idOf(D215), {0, 9, 0, "PCI-D230"}},  {idOf(D220), {0, 6, 0, "PCI-D220"}},
                {idOf(D223), {0, 7, 0, "PCI-D223"}},  {idOf(D224), {0, 8, 0, "PCI-D224"}},
                {idOf(D230), {0, 9, 1, "PCI-D230"}},  {idOf(D231), {0, 10, 0, "PCI-D231"}},
                {idOf(D235), {0, 11, 0, "PCI-D235"}}, {idOf(D237), {0, 12, 0, "PCI-D237"}},
                {idOf(D250), {0, 13, 0, "PCI-D250"}}, {idOf(D265), {0, 31, 0, "PCI-D270"}},
                {idOf(D270), {0, 31, 1, "PCI-D270"}}, {idOf(D280), {0, 16, 0, "PCI-D280"}},
                {idOf(D281), {0, 17, 0, "PCI-D281"}}, {idOf(D282), {0, 18, 0, "PCI-D282"}},
                {idOf(T310), {0, 19, 0, "PCI-T310"}}, {idOf(M610), {0, 20, 0, "PCI-M610"}},
                {idOf(M630), {0, 23, 0, "PCI-M630"}}, {idOf(M640), {0, 24, 0, "PCI-M640"}}},
               onPlx9050);
}

TEST(IdentificationRows, AmccBridge) {
    expectRows({{0x80D7, {0, 22, 0, "PCI-M620"}},
                {0x80D8, {0, 5, 0, "PCI-D210"}},
                {0x80D9, {0, 26, 0, "PCI-M660"}},
                {0x80DA, {0, 30, 0, "PCI-S720"}}},
               onAmcc);
}

} // namespace
} // namespace dedozovaz::test
