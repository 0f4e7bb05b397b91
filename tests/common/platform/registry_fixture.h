#pragma once

#include "temp_folder.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include <gtest/gtest.h>

#include <string>

namespace doz::platform::test {

// Every registry test works on its own hive file in a fresh folder.
class RegistryTest : public ::testing::Test {
protected:
    std::filesystem::path hiveFile() const { return folder_.path() / "registry.reg"; }
    std::filesystem::path backupFile() const { return folder_.path() / "registry.reg.bak"; }
    std::string hiveText() const { return readWholeFile(hiveFile()).value_or("<missing>"); }
    void writeHive(std::string_view text) const { ASSERT_TRUE(writeFileAtomically(hiveFile(), text)); }

private:
    TempFolder folder_;
    ScopedEnv env_{"DOZAZAR_REGISTRY", hiveFile().string()};
};

inline constexpr std::string_view kRadezuviKey = "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion";

} // namespace doz::platform::test
