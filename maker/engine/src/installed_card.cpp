#include "installed_card.h"

#include <algorithm>

namespace radezuvi {

InstalledCard::InstalledCard(const DeviceEntry& entry, CardSpec spec)
    : entry_(entry), spec_(std::move(spec)), poweredOn_(std::chrono::steady_clock::now()) {}

const Fault* InstalledCard::fault(FaultKind kind, int operation, std::optional<int> port) const {
    const auto it = std::find_if(spec_.faults.begin(), spec_.faults.end(), [&](const Fault& f) {
        return f.kind == kind && (!f.operation || *f.operation == operation) && (!f.port || f.port == port);
    });
    return it == spec_.faults.end() ? nullptr : &*it;
}

void InstalledCard::writePort(int bank, int port, std::uint32_t value) {
    std::lock_guard lock(mutex_);
    portOutputs_[{bank, port}] = value;
}

std::uint32_t InstalledCard::outputOf(int bank, int port) const {
    std::lock_guard lock(mutex_);
    const auto it = portOutputs_.find({bank, port});
    return it == portOutputs_.end() ? 0 : it->second;
}

std::uint32_t InstalledCard::inputOf(int bank, int port) const {
    if (const auto pinned = spec_.pinnedInputs.find(port); pinned != spec_.pinnedInputs.end()) {
        return pinned->second;
    }
    return spec_.loopBack ? outputOf(bank, port) : 0;
}

void InstalledCard::writeAnalogOutput(int channel, double value) {
    std::lock_guard lock(mutex_);
    analogOutputs_[channel] = AnalogDrive{value};
}

void InstalledCard::startGenerator(int channel, const GeneratorWave& wave) {
    std::lock_guard lock(mutex_);
    analogOutputs_[channel] = AnalogDrive{wave.offset, wave};
}

AnalogDrive InstalledCard::loopBack(int channel) const {
    if (!spec_.loopBack) {
        return {};
    }
    std::lock_guard lock(mutex_);
    const auto it = analogOutputs_.find(channel);
    return it == analogOutputs_.end() ? AnalogDrive{} : it->second;
}

} // namespace radezuvi
