#include "maker/taskwizard/src/engine_cards.h"

#include "maker/taskwizard/src/scoped_task.h"

#include <algorithm>

namespace doz::taskwizard {

namespace {

// Far above any card's channel count; the probe stops at the first channel the engine refuses.
constexpr int kMaxProbedChannels = 4096;

// A task that does not open the card, so probing never touches the hardware.
ScopedTask probeTask(const CardChoice& card, int operation) {
    return ScopedTask(Radezuvi_CreateTask(operation, card.typeCode, card.cardNumber, 0));
}

} // namespace

QString CardChoice::label() const {
    const QString text = QStringLiteral("%1: %2").arg(deviceName).arg(cardNumber);
    return installed ? text : text + QStringLiteral(" (not installed)");
}

std::vector<CardChoice> installedCards() {
    std::vector<CardChoice> cards;
    int32_t count = 0;
    for (int32_t entry = 0; const char* name = GetTaskDeviceListFN(-1, entry, &count); ++entry) {
        const int typeCode = GetAllDeviceTypeFromDeviceIndexFN(entry);
        for (int32_t index = 0; index < count && typeCode > 0; ++index) {
            const int32_t number = GetInstalledCardIDFN(entry, index);
            if (number >= 0) {
                cards.push_back({QString::fromUtf8(name), typeCode, number, true});
            }
        }
    }
    return cards;
}

CardChoice cardOfTask(int typeCode, int cardNumber) {
    const int32_t entry = GetDeviceIndexFromAllDeviceTypeIDFN(typeCode);
    int32_t count = 0;
    const char* name = entry >= 0 ? GetTaskDeviceListFN(-1, entry, &count) : nullptr;
    bool installed = false;
    for (int32_t index = 0; index < count && !installed; ++index) {
        installed = GetInstalledCardIDFN(entry, index) == cardNumber;
    }
    const QString deviceName =
        name ? QString::fromUtf8(name) : QStringLiteral("Device type %1").arg(typeCode);
    return {deviceName, typeCode, cardNumber, installed};
}

std::vector<CardChoice> withTaskCard(std::vector<CardChoice> cards, const CardChoice& taskCard) {
    const auto same = std::find_if(cards.begin(), cards.end(), [&](const CardChoice& card) {
        return card.deviceName == taskCard.deviceName && card.cardNumber == taskCard.cardNumber;
    });
    if (same != cards.end()) {
        same->typeCode = taskCard.typeCode;
    } else {
        cards.push_back(taskCard);
    }
    return cards;
}

bool cardPerforms(const CardChoice& card, int operation) {
    return static_cast<bool>(probeTask(card, operation));
}

int channelCount(const CardChoice& card, int operation) {
    const ScopedTask task = probeTask(card, operation);
    if (!task) {
        return 0;
    }
    int channels = 0;
    while (channels < kMaxProbedChannels &&
           Radezuvi_SetChannelPropertyBool(task.get(), channels, RADEZUVI_CHPROP_ENABLED, 0) == RADEZUVI_OK) {
        ++channels;
    }
    return channels;
}

} // namespace doz::taskwizard
