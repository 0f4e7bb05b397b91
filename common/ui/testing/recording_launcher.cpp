#include "common/ui/testing/recording_launcher.h"

namespace doz::ui::testing {

bool RecordingLauncher::start(const doz::platform::LaunchRequest& request) {
    requests.push_back(request);
    return succeeds;
}

std::vector<std::string> RecordingLauncher::programs() const {
    std::vector<std::string> names;
    for (const doz::platform::LaunchRequest& request : requests)
        names.push_back(request.program);
    return names;
}

ScopedLauncher::ScopedLauncher() : previous_(&doz::platform::launcher()) {
    doz::platform::setLauncher(this);
}

ScopedLauncher::~ScopedLauncher() {
    doz::platform::setLauncher(previous_);
}

} // namespace doz::ui::testing
