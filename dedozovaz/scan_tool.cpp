#include "dedozovaz/scan_tool.h"

#include "dedozovaz/dedozovaz.h"
#include "dedozovaz/model_ids.h"
#include "dedozovaz/pci_access.h"
#include "dedozovaz/simulated_bus.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dedozovaz {
namespace {

constexpr std::string_view Usage = "usage: dedozovaz-scan [--json | --id-table]\n"
                                   "  (no option)  one line per card: seq, family, type, card, name\n"
                                   "  --json       the cards as a JSON array\n"
                                   "  --id-table   the PCI IDs the scan recognises the maker's models by\n";

std::string hexId(std::uint16_t id) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%04X", id);
    return text.data();
}

std::string_view nameOf(const VIZDevRecord& record) {
    return {record.name, strnlen(record.name, sizeof record.name)};
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            quoted += escape.data();
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

void printPlain(std::span<const VIZDevRecord> records, std::ostream& out) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const VIZDevRecord& r = records[i];
        out << i + 1 << '\t' << r.family << '\t' << r.type << '\t' << r.card_number << '\t' << nameOf(r)
            << '\n';
    }
}

void printJson(std::span<const VIZDevRecord> records, std::ostream& out) {
    out << '[';
    for (std::size_t i = 0; i < records.size(); ++i) {
        const VIZDevRecord& r = records[i];
        out << (i == 0 ? "\n" : ",\n") << "  {\"seq\": " << i + 1 << ", \"family\": " << r.family
            << ", \"type\": " << r.type << ", \"card\": " << r.card_number
            << ", \"name\": " << jsonString(nameOf(r)) << '}';
    }
    out << (records.empty() ? "]\n" : "\n]\n");
}

void printIdTable(std::ostream& out) {
    out << "vendor\t" << hexId(MakerVendorId) << '\n';
    for (const ModelId& model : ModelIds)
        out << model.name << '\t' << model.family << '\t' << hexId(model.id) << '\n';
}

// The library skips malformed lines of a simulated bus silently; the tool says which.
void reportSimulatedBusProblems(std::ostream& err) {
    const char* file = std::getenv(SimulatedBusVariable);
    if (file == nullptr || *file == '\0')
        return;
    const std::optional<SimBusDescription> bus = readSimulatedBus(file);
    if (!bus) {
        err << "dedozovaz-scan: cannot read simulated bus " << file << '\n';
        return;
    }
    for (const SkippedLine& line : bus->skipped)
        err << "dedozovaz-scan: " << file << ':' << line.lineNumber << ": line skipped: " << line.reason
            << '\n';
}

enum class Mode { Plain, Json, IdTable, Help };

std::optional<Mode> modeOf(std::span<const std::string_view> args) {
    if (args.empty())
        return Mode::Plain;
    if (args.size() > 1)
        return std::nullopt;
    if (args[0] == "--json")
        return Mode::Json;
    if (args[0] == "--id-table")
        return Mode::IdTable;
    if (args[0] == "--help" || args[0] == "-h")
        return Mode::Help;
    return std::nullopt;
}

} // namespace

int runScanTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const std::optional<Mode> mode = modeOf(args);
    if (!mode) {
        err << Usage;
        return 2;
    }
    if (*mode == Mode::Help) {
        out << Usage;
        return 0;
    }
    if (*mode == Mode::IdTable) {
        printIdTable(out);
        return 0;
    }
    reportSimulatedBusProblems(err);
    std::array<VIZDevRecord, VIZ_MAX_DEVICES> records{};
    const std::uint16_t count = VIZFindDev(0, records.data());
    const std::span<const VIZDevRecord> found(records.data(), count);
    if (*mode == Mode::Json)
        printJson(found, out);
    else
        printPlain(found, out);
    return 0;
}

} // namespace dedozovaz
