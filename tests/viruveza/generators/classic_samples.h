#pragma once
// Records for the classic-line writers as the wizard can fill them: every card with every
// operation the wizard offers it, each with a spread of field values inside the tables, and the
// same records pushed outside them. Shared by the property test and the benchmark.

#include "viruveza/generators/device_setup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace doz::generators::testing {

struct Offer {
    CardLine line;
    std::uint16_t cardType;
    std::uint16_t operation;
};

// Every classic card type (sub-types included) with every operation the wizard offers it, and
// every E400 card with the timer/counter, which the classic counter writer serves.
std::vector<Offer> WriterOffers();

// "PCI_D270_Interrupt_Event"-style name of an offer.
std::string OfferName(const Offer& offer);

// Records whose codes all lie in the tables, spread over the fields the writer reads.
std::vector<DeviceSetup> InTableRecords(const Offer& offer);

// Records of the offer with one field each pushed out of its table or to an extreme.
std::vector<DeviceSetup> OutOfTableRecords(const Offer& offer);

} // namespace doz::generators::testing
