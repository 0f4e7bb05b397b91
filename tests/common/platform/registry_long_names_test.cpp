// Paths and names of every kind the suite stores in the registry: 4096 characters long, with
// blanks, quotes, backslashes and letters beyond ASCII. Each comes back exactly, also after the
// hive file is read again, and no neighbouring value changes.
#include "tests/support/temp_registry.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace doz::platform::test {
namespace {

using namespace doz::test;

class RegistryLongNames : public RegistryTest {};

TEST_F(RegistryLongNames, AwkwardValuesAndNamesComeBackWhole) {
    const std::string longPath = "/" + std::string(4095, 'p');
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Task Folder", longPath},
        {"Path", "C:\\Program Files\\Dozazar\\\"quoted\" name\\DeviceName.ini"},
        {"Machine Profile", "/home/zoë/Messplätze/Prüfstand 2/bench.machine"},
        {"name \"with\" quotes\\and backslashes", "value \\\" ending in a backslash\\"},
        {std::string(4096, 'n'), "long name"},
    };
    {
        auto key = createKey(RootKey::LocalMachine, kRadezuviKey);
        ASSERT_TRUE(key);
        for (const auto& [name, value] : values) {
            ASSERT_TRUE(key->writeString(name, value)) << name.substr(0, 40);
        }
        ASSERT_TRUE(key->writeString("Neighbour", "unchanged"));
    }
    const auto key = openKey(RootKey::LocalMachine, kRadezuviKey);
    ASSERT_TRUE(key);
    for (const auto& [name, value] : values) {
        EXPECT_EQ(key->readString(name), value) << name.substr(0, 40);
    }
    EXPECT_EQ(key->readString("Neighbour"), "unchanged");
}

} // namespace
} // namespace doz::platform::test
