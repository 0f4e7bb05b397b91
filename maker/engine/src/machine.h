// The simulated machine: the device table with the cards a profile installs.
#pragma once

#include "installed_card.h"
#include "machine_profile.h"

#include <memory>
#include <vector>

namespace radezuvi {

class Machine {
public:
    explicit Machine(const MachineProfile& profile);

    int entryCount() const;
    // Card numbers installed for a device entry, in profile order.
    const std::vector<int>& cardNumbers(int entry) const;
    // The card of a type code (any code of its group) and card number, or null.
    std::shared_ptr<InstalledCard> find(int typeCode, int cardNumber) const;

private:
    std::vector<std::vector<int>> cardNumbers_;
    std::vector<std::shared_ptr<InstalledCard>> cards_;
};

} // namespace radezuvi
