#include "tests/support/machine_profile.h"

#include "maker/engine/radezuvi_engine.h"

namespace doz::test {

ScopedMachineProfile::ScopedMachineProfile(std::string_view text) {
    use(text);
}

ScopedMachineProfile::~ScopedMachineProfile() {
    Radezuvi_UseMachineProfile(demoProfile().c_str());
}

std::int32_t ScopedMachineProfile::use(std::string_view text) {
    return useFile(folder_.write("test.machine", text));
}

std::int32_t ScopedMachineProfile::useFile(const std::filesystem::path& file) {
    file_ = file;
    result_ = Radezuvi_UseMachineProfile(file_.c_str());
    return result_;
}

std::filesystem::path ScopedMachineProfile::demoProfile() {
    return DOZ_DEMO_PROFILE;
}

} // namespace doz::test
