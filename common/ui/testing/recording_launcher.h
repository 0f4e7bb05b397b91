#pragma once

#include "common/platform/launcher.h"

#include <vector>

namespace doz::ui::testing {

// A launcher that starts nothing: it records every request and answers `succeeds`.
class RecordingLauncher : public doz::platform::Launcher {
public:
    bool succeeds = true;
    std::vector<doz::platform::LaunchRequest> requests;

    bool start(const doz::platform::LaunchRequest& request) override;

    // The program names of the requests, in order.
    std::vector<std::string> programs() const;
};

// A RecordingLauncher installed as the process-wide launcher for its lifetime; restores what
// was installed before.
class ScopedLauncher : public RecordingLauncher {
public:
    ScopedLauncher();
    ScopedLauncher(const ScopedLauncher&) = delete;
    ScopedLauncher& operator=(const ScopedLauncher&) = delete;
    ~ScopedLauncher() override;

private:
    doz::platform::Launcher* previous_;
};

} // namespace doz::ui::testing
