// A registry hive of the test's own: DOZAZAR_REGISTRY names a file in a fresh folder for the
// life of the object, so the registry stand-in reads and writes nothing else.
#pragma once

#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace doz::test {

class TempRegistry {
public:
    TempRegistry();

    // The folder holding the hive; free for the test's other files.
    const TempFolder& folder() const { return folder_; }
    std::filesystem::path hiveFile() const { return folder_.file("registry.reg"); }
    std::filesystem::path backupFile() const { return folder_.file("registry.reg.bak"); }
    // The hive's text, or "<missing>" when there is no hive file.
    std::string hiveText() const;
    void writeHive(std::string_view text) const;

private:
    TempFolder folder_;
    ScopedEnv env_;
};

// The engine's key, where the suite keeps its own values.
inline constexpr std::string_view kRadezuviKey = "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion";

// A test fixture whose every test has its own hive.
class RegistryTest : public ::testing::Test, protected TempRegistry {};

} // namespace doz::test
