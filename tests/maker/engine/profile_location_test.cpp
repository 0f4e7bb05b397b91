// Which machine profile the engine reads: RADEZUVI_MACHINE, else the registry's "Machine
// Profile", else the demo profile shipped with the suite.
#include "profile_location.h"

#include "common/platform/registry.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace radezuvi {
namespace {

// A hive of the test's own; RADEZUVI_MACHINE empty, which counts as unset, and restored after.
class ProfileLocation : public doz::test::RegistryTest {
protected:
    static void registerProfile(const std::string& path) {
        auto key = doz::platform::createKey(doz::platform::RootKey::LocalMachine, doz::test::kRadezuviKey);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString("Machine Profile", path));
    }

    doz::test::ScopedEnv machine_{"RADEZUVI_MACHINE", ""};
};

TEST_F(ProfileLocation, DemoProfileWhenNothingIsConfigured) {
    const auto path = machineProfilePath();
    EXPECT_EQ(path.filename(), "demo.machine");
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}

TEST_F(ProfileLocation, RegistryValueComesBeforeTheDemo) {
    registerProfile("/srv/rigs/bench.machine");
    EXPECT_EQ(machineProfilePath(), "/srv/rigs/bench.machine");
}

TEST_F(ProfileLocation, EnvironmentComesFirst) {
    registerProfile("/srv/rigs/bench.machine");
    ::setenv("RADEZUVI_MACHINE", "/home/me/my.machine", 1);
    EXPECT_EQ(machineProfilePath(), "/home/me/my.machine");
    ::setenv("RADEZUVI_MACHINE", "", 1); // empty counts as unset
    EXPECT_EQ(machineProfilePath(), "/srv/rigs/bench.machine");
}

} // namespace
} // namespace radezuvi
