#pragma once
// The real alias library behind an AliasApi table, over a store in a temporary folder.

#include "radezuvivarirare.h"
#include "revorur/devices/alias_api.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace doz::devices::test {

inline AliasApi realAliasApi() {
    AliasApi api;
    api.List = &AliasApiList;
    api.Add = &AliasApiAdd;
    api.Remove = &AliasApiRemove;
    api.GetAlias = &AliasApiGetAlias;
    api.GetDevice = &AliasApiGetDevice;
    api.Check = &AliasApiCheck;
    return api;
}

class AliasStoreFixture : public ::testing::Test {
protected:
    doz::test::TempFolder folder;
    std::string store = (folder.path() / "Task Manager" / "DeviceName.ini").string();
    AliasApi api = realAliasApi();

    void seed(const char* alias, int typeCode, int cardNumber) {
        ASSERT_EQ(AliasApiAdd(store.c_str(), alias, typeCode, cardNumber), ALIAS_OK) << alias;
    }
    std::optional<std::string> aliasOf(int typeCode, int cardNumber) const {
        return AliasOf(api, store, typeCode, cardNumber);
    }
};

} // namespace doz::devices::test
