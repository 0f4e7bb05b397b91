#pragma once
// A temporary alias store and short ways to read it through the C interface.

#include "common/platform/file_io.h"
#include "radezuvivarirare.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace radezuvivarirare::test {

class AliasStoreTest : public ::testing::Test {
protected:
    doz::test::TempFolder folder;
    std::string store = (folder.path() / "Task Manager" / "DeviceName.ini").string();

    std::vector<std::string> list() const {
        const int32_t size = AliasApiList(store.c_str(), nullptr, 0);
        EXPECT_GE(size, 1);
        std::vector<char> buffer(static_cast<std::size_t>(std::max(size, 1)));
        EXPECT_EQ(AliasApiList(store.c_str(), buffer.data(), size), size);
        std::vector<std::string> names;
        for (const char* name = buffer.data(); *name; name += std::strlen(name) + 1)
            names.emplace_back(name);
        return names;
    }

    std::optional<std::string> aliasOf(int32_t type, int32_t card) const {
        char buffer[32];
        if (AliasApiGetAlias(store.c_str(), type, card, buffer, sizeof buffer) == 0)
            return std::nullopt;
        return std::string(buffer);
    }

    std::string fileText() const { return doz::platform::readWholeFile(store).value_or("<missing>"); }

    void writeFile(const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(store).parent_path());
        ASSERT_TRUE(doz::platform::writeFileAtomically(store, text));
    }
};

} // namespace radezuvivarirare::test
