// Which machine profile the engine reads: RADEZUVI_MACHINE, else the registry's "Machine
// Profile", else the demo profile shipped with the suite.
#include "profile_location.h"

#include "common/platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace radezuvi {
namespace {

class ProfileLocation : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("radezuvi-location-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        ::setenv("DOZAZAR_REGISTRY", (folder_ / "registry.reg").c_str(), 1);
        ::unsetenv("RADEZUVI_MACHINE");
    }
    void TearDown() override {
        ::unsetenv("DOZAZAR_REGISTRY");
        std::filesystem::remove_all(folder_);
    }

    static void registerProfile(const std::string& path) {
        auto key = doz::platform::createKey(doz::platform::RootKey::LocalMachine,
                                            "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion");
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString("Machine Profile", path));
    }

    std::filesystem::path folder_;
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
