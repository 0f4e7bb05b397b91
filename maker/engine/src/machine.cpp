#include "machine.h"

#include <algorithm>

namespace radezuvi {

Machine::Machine(const MachineProfile& profile) : cardNumbers_(deviceTable().size()) {
    for (const CardSpec& spec : profile.cards) {
        cardNumbers_[spec.entry].push_back(spec.cardNumber);
        cards_.push_back(std::make_shared<InstalledCard>(deviceTable()[spec.entry], spec));
    }
}

int Machine::entryCount() const {
    return static_cast<int>(cardNumbers_.size());
}

const std::vector<int>& Machine::cardNumbers(int entry) const {
    return cardNumbers_.at(entry);
}

std::shared_ptr<InstalledCard> Machine::find(int typeCode, int cardNumber) const {
    const auto it = std::find_if(cards_.begin(), cards_.end(), [&](const auto& card) {
        return card->entry().hasCode(typeCode) && card->cardNumber() == cardNumber;
    });
    return it == cards_.end() ? nullptr : *it;
}

} // namespace radezuvi
