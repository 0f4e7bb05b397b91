// Helpers of the test-panel tests: a count of the engine tasks left alive, event pumping, and
// the panels opened and shown offscreen. Each test names its machine with
// doz::test::ScopedMachineProfile.
#pragma once

#include "revorur/testpanels/form_test_panel.h"
#include "revorur/testpanels/form_test_panel_virdev.h"

#include "common/ui/testing/scripted_dialogs.h"
#include "radezuvi_engine.h"
#include "tests/support/machine_profile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <memory>

namespace doz::testpanels::test {

// Counts the engine tasks created after the mark that still answer (handles are handed out in
// increasing order and never reused, and an ended handle answers RADEZUVI_ERR_HANDLE).
class LiveTasks {
public:
    LiveTasks();
    int count() const;

private:
    Radezuvi_Handle mark_;
};

// Lets queued calls, timers and the graphs' pacing run for about `ms` milliseconds.
void pump(int ms);
// Pumps until `condition` holds; false when it still fails after a generous while.
bool pumpUntil(const std::function<bool()>& condition, int ms = 5000);

void typeInto(QLineEdit* box, const QString& text);
void choose(QComboBox* list, const QString& item);

// A panel shown offscreen (so its first page is shown), closed when the test ends.
template <class Panel> std::unique_ptr<Panel> openPanel(int typeCode, std::int16_t cardNumber = 0) {
    auto panel = std::make_unique<Panel>(catalogue::BuildGenericCardCaps(typeCode), cardNumber, nullptr);
    panel->show();
    return panel;
}

} // namespace doz::testpanels::test
