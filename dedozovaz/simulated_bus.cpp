#include "dedozovaz/simulated_bus.h"

#include "dedozovaz/card_switches.h"
#include "dedozovaz/hex_text.h"

#include <fstream>
#include <sstream>
#include <variant>

namespace dedozovaz {
namespace {

// Hex with or without a leading "0x".
std::optional<std::uint32_t> parseNumber(std::string_view text, std::uint32_t max) {
    if (text.starts_with("0x") || text.starts_with("0X"))
        text.remove_prefix(2);
    return parseHex(text, max);
}

// Parses "first<separator>second" as two hex numbers.
std::optional<std::pair<std::uint32_t, std::uint32_t>>
parseNumberPair(std::string_view text, char separator, std::uint32_t maxFirst, std::uint32_t maxSecond) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto first = parseNumber(text.substr(0, at), maxFirst);
    const auto second = parseNumber(text.substr(at + 1), maxSecond);
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

std::optional<PciSlot> parseSlot(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const auto busDevice = parseNumberPair(text.substr(0, dot), ':', 0xFF, 0x1F);
    const auto function = parseNumber(text.substr(dot + 1), 0x07);
    if (!busDevice || !function)
        return std::nullopt;
    return PciSlot{static_cast<std::uint8_t>(busDevice->first), static_cast<std::uint8_t>(busDevice->second),
                   static_cast<std::uint8_t>(*function)};
}

std::optional<std::uint32_t> parseGpio(std::string_view text) {
    constexpr std::string_view Prefix = "gpio=";
    if (!text.starts_with(Prefix))
        return std::nullopt;
    return parseNumber(text.substr(Prefix.size()), 0xFFFFFFFF);
}

// The device a line describes, or why the line is malformed.
std::variant<SimDevice, std::string> parseDevice(const std::vector<std::string>& fields) {
    if (fields.size() != 5 && fields.size() != 6)
        return std::string("expected 5 or 6 fields");
    const auto slot = parseSlot(fields[0]);
    if (!slot)
        return "bad slot '" + fields[0] + "'";
    const auto ids = parseNumberPair(fields[1], ':', 0xFFFF, 0xFFFF);
    if (!ids)
        return "bad vendor:device '" + fields[1] + "'";
    const auto subsystem = parseNumberPair(fields[2], ':', 0xFFFF, 0xFFFF);
    if (!subsystem)
        return "bad subsystem vendor:subsystem '" + fields[2] + "'";
    const auto bar1 = parseNumber(fields[3], 0xFFFFFFFF);
    const auto bar2 = parseNumber(fields[4], 0xFFFFFFFF);
    if (!bar1 || !bar2)
        return "bad base address register";
    std::optional<std::uint32_t> gpio = 0;
    if (fields.size() == 6 && !(gpio = parseGpio(fields[5])))
        return "bad gpio '" + fields[5] + "'";
    return SimDevice{*slot,
                     static_cast<std::uint16_t>(ids->first),
                     static_cast<std::uint16_t>(ids->second),
                     static_cast<std::uint16_t>(subsystem->first),
                     static_cast<std::uint16_t>(subsystem->second),
                     *bar1,
                     *bar2,
                     *gpio};
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<std::string> fields;
    for (std::string word; words >> word;)
        fields.push_back(word);
    return fields;
}

SimulatedBus::ConfigHeader headerOf(const SimDevice& device) {
    SimulatedBus::ConfigHeader header{};
    header[0x00 / 4] = static_cast<std::uint32_t>(device.device) << 16 | device.vendor;
    header[0x14 / 4] = device.bar1;
    header[0x18 / 4] = device.bar2;
    header[0x2C / 4] = static_cast<std::uint32_t>(device.subsystem) << 16 | device.subsystemVendor;
    return header;
}

} // namespace

SimBusDescription parseSimulatedBus(std::istream& in) {
    SimBusDescription bus;
    std::unordered_map<std::uint16_t, int> lineOfSlot;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields.empty())
            continue;
        auto parsed = parseDevice(fields);
        if (auto* reason = std::get_if<std::string>(&parsed)) {
            bus.skipped.push_back({lineNumber, std::move(*reason)});
            continue;
        }
        const SimDevice& device = std::get<SimDevice>(parsed);
        const auto [known, added] = lineOfSlot.emplace(device.slot.key(), lineNumber);
        if (!added) {
            bus.skipped.push_back({lineNumber, "slot already used on line " + std::to_string(known->second)});
            continue;
        }
        bus.devices.push_back(device);
    }
    return bus;
}

std::optional<SimBusDescription> readSimulatedBus(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    return parseSimulatedBus(in);
}

SimulatedBus::SimulatedBus(std::span<const SimDevice> devices) {
    for (const SimDevice& device : devices) {
        headers_.emplace(device.slot.key(), headerOf(device));
        ports_.emplace(gpioPort(device.bar1 != 0 ? device.bar1 : device.bar2), device.gpio);
    }
}

std::uint32_t SimulatedBus::readConfig(PciSlot slot, std::uint8_t offset) {
    const auto found = headers_.find(slot.key());
    if (found == headers_.end())
        return NoDevice;
    const std::size_t index = offset / 4;
    return index < found->second.size() ? found->second[index] : 0;
}

std::uint32_t SimulatedBus::readPort(std::uint32_t port) {
    const auto found = ports_.find(port);
    return found != ports_.end() ? found->second : NoDevice;
}

std::unique_ptr<PciAccess> openSimulatedBus(const std::filesystem::path& file) {
    const std::optional<SimBusDescription> bus = readSimulatedBus(file);
    if (!bus)
        return nullptr;
    return std::make_unique<SimulatedBus>(bus->devices);
}

} // namespace dedozovaz
