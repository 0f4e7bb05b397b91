// The machine-profile fixture: the engine sees the test's cards while it lives and the demo
// machine after.
#include "tests/support/machine_profile.h"

#include "maker/engine/radezuvi_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace doz::test {
namespace {

// The installed cards as "name:count", in the engine's order.
std::vector<std::string> installed() {
    std::vector<std::string> cards;
    int32_t count = 0;
    for (int32_t entry = 0; const char* name = GetTaskDeviceListFN(-1, entry, &count); ++entry)
        if (count > 0)
            cards.push_back(std::string(name) + ":" + std::to_string(count));
    return cards;
}

TEST(ScopedMachineProfile, SwitchesTheEngineAndRestoresTheDemoMachine) {
    ASSERT_EQ(Radezuvi_UseMachineProfile(ScopedMachineProfile::demoProfile().c_str()), 0);
    const std::vector<std::string> demo = installed();
    {
        ScopedMachineProfile machine("card PCI-T310 0\ncard PCI-T310 1\n");
        EXPECT_EQ(machine.result(), 0);
        EXPECT_EQ(machine.file().filename(), "test.machine");
        const std::vector<std::string> own = installed();
        EXPECT_NE(std::find(own.begin(), own.end(), "PCI-T310:2"), own.end());
        EXPECT_NE(own, demo);

        EXPECT_GT(machine.use("card PCI-T310 0\nnot a profile line\n"), 0) << "one problem line";
        EXPECT_LT(machine.useFile(machine.file().parent_path() / "missing.machine"), 0);
    }
    EXPECT_EQ(installed(), demo);
}

} // namespace
} // namespace doz::test
