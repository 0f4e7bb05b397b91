// One card installed in the simulated machine: its entry in the device table, the faults the
// profile injects and the live state of its outputs, shared by every task on the card.
#pragma once

#include "device_table.h"
#include "generator_wave.h"
#include "machine_profile.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace radezuvi {

class InstalledCard {
public:
    InstalledCard(const DeviceEntry& entry, CardSpec spec);

    const DeviceEntry& entry() const { return entry_; }
    int cardNumber() const { return spec_.cardNumber; }

    // The first fault of this kind that applies to a task of this operation on this port.
    const Fault* fault(FaultKind kind, int operation, std::optional<int> port = std::nullopt) const;

    // Digital ports are kept per bank (the input source property) and port number.
    void writePort(int bank, int port, std::uint32_t value);
    std::uint32_t outputOf(int bank, int port) const;
    // What an input port reads: a pinned value, the output it is looped to, or 0.
    std::uint32_t inputOf(int bank, int port) const;

    // An analog output holds the last value written to it, or the wave of a generator running on
    // it until a value is written again.
    void writeAnalogOutput(int channel, double value);
    void startGenerator(int channel, const GeneratorWave& wave);
    // What output `channel` drives into the input of the same channel (nothing without loop-back).
    AnalogDrive loopBack(int channel) const;

    std::chrono::steady_clock::time_point poweredOn() const { return poweredOn_; }

private:
    const DeviceEntry& entry_;
    const CardSpec spec_;
    const std::chrono::steady_clock::time_point poweredOn_;
    mutable std::mutex mutex_;
    std::map<std::pair<int, int>, std::uint32_t> portOutputs_;
    std::map<int, AnalogDrive> analogOutputs_;
};

} // namespace radezuvi
