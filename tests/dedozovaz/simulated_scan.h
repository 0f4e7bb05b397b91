// Scans through the library's C interface over a simulated bus written by the test.
#pragma once

#include "dedozovaz/dedozovaz.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dedozovaz::test {

// One line of a simulated-bus file.
struct SimCard {
    int bus = 0;
    int device = 0;
    std::uint16_t vendor = 0;
    std::uint16_t deviceId = 0;
    std::uint16_t subsystemVendor = 0;
    std::uint16_t subsystem = 0;
    std::uint32_t bar1 = 0;
    std::uint32_t bar2 = 0;
    std::optional<std::uint32_t> gpio = std::nullopt;
    int function = 0;
};

std::string busLine(const SimCard& card);
std::string busText(const std::vector<SimCard>& cards);

// The general-purpose register value with the given switch lines set.
std::uint32_t switchLines(std::initializer_list<int> lines);

// Points DEDOZOVAZ_PCI_SIM at a bus file for the life of the object.
class SimulatedBusFile {
public:
    explicit SimulatedBusFile(std::string_view text);

    const std::filesystem::path& path() const { return file_; }

private:
    doz::test::TempFolder dir_;
    std::filesystem::path file_;
    doz::test::ScopedEnv env_;
};

// VIZFindDev over the bus; the records it wrote.
std::vector<VIZDevRecord> scanRecords(const std::vector<SimCard>& cards);

// What a record reports, for comparing whole scans.
struct Found {
    int family;
    int type;
    int card;
    std::string name;
    bool operator==(const Found&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Found& found);

std::vector<Found> scan(const std::vector<SimCard>& cards);

} // namespace dedozovaz::test
