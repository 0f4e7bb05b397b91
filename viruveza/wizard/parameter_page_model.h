#pragma once
// The contract of a parameter page (sheet positions 1 to 6), without Qt. A page model owns
// its working values and its own copy of the generation record; the sheet tells it where
// the user came from, asks it whether Finish may end the wizard, and takes its record.

#include "viruveza/generators/device_setup.h"

#include <cstdint>
#include <optional>
#include <string>

namespace doz::wizard {

// What the Code Generator page decided when its Next led to the page.
struct PageEntry {
    int line = 0;
    int cardIndex = 0;
    std::uint16_t operation = 0;
    // The card type index differs from the one of the previous Next (pages that keep a card
    // sub-type selection return it to the first entry).
    bool cardChanged = false;
};

// The outcome of one edit: accepted as typed, or silently corrected (the page beeps and shows
// the corrected value); `message` is shown in a box when set.
struct EditOutcome {
    bool corrected = false;
    std::optional<std::string> message;
};

class ParameterPageModel {
public:
    virtual ~ParameterPageModel() = default;

    // Next on the Code Generator page led here: the operation code goes into the record copy
    // and the page sets itself up for the line and card. Called before every display.
    virtual void enter(const PageEntry& entry) = 0;
    // The checks of Finish: the first message that keeps the user on the page, or nothing.
    virtual std::optional<std::string> finishProblem() const = 0;
    // Fills the record copy from the working values (Finish passed its checks).
    virtual void complete() = 0;
    virtual const generators::DeviceSetup& record() const = 0;
};

// The part every page model shares: the record copy and the entry it was set up for.
class ParameterPageModelBase : public ParameterPageModel {
public:
    void enter(const PageEntry& entry) override {
        entry_ = entry;
        record_.operation = entry.operation;
        entered();
    }
    const generators::DeviceSetup& record() const override { return record_; }
    const PageEntry& entry() const { return entry_; }

protected:
    // The page's own set-up for the entry; the operation is already in the record.
    virtual void entered() {}

    generators::DeviceSetup record_ = generators::InitialDeviceSetup();
    PageEntry entry_;
};

} // namespace doz::wizard
