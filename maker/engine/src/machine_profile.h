// Machine profiles: the text files that say which cards a simulated machine holds and which
// faults it injects. The format is described in maker/engine/README.md.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace radezuvi {

enum class FaultKind {
    CreateFails,
    StartFails,
    StopFails,
    EnableFails,
    ReadFails,
    WriteReturns,
    PropertyRefused
};

struct Fault {
    FaultKind kind;
    int value = 0;                  // result of a write, or the refused property id
    std::optional<int> operation{}; // only tasks of this operation code
    std::optional<int> port{};      // only this channel or port
};

struct CardSpec {
    int entry; // index into the device table
    int cardNumber;
    std::vector<Fault> faults{};
    std::map<int, std::uint32_t> pinnedInputs{}; // input port -> fixed value
    bool loopBack = true;                        // inputs follow the card's outputs
};

struct MachineProfile {
    std::vector<CardSpec> cards; // the virtual device first
    int problems = 0;            // lines reported and skipped
};

// Parses profile text; every line it cannot use is reported as "source:line: message" and
// skipped. The virtual device (card 0) is always installed.
MachineProfile parseMachineProfile(std::string_view text, const std::string& source, std::ostream& report);

// Reads and parses a profile file; nullopt (after a report) when the file cannot be read.
std::optional<MachineProfile> readMachineProfile(const std::filesystem::path& path, std::ostream& report);

// The machine with the virtual device alone.
MachineProfile virtualOnlyProfile();

} // namespace radezuvi
