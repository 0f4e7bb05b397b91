#pragma once
// An alias library held in memory, behind the same table of functions as the real one.

#include "revorur/devices/alias_api.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace doz::devices::testing {

struct FakeAlias {
    std::string alias;
    int typeCode;
    int cardNumber;
};

inline std::vector<FakeAlias>& fakeAliases() {
    static std::vector<FakeAlias> aliases;
    return aliases;
}

inline int32_t fakeList(const char*, char* buffer, int32_t size) {
    std::string all;
    for (const auto& a : fakeAliases())
        all += a.alias + '\0';
    all += '\0';
    if (buffer && size >= static_cast<int32_t>(all.size()))
        std::memcpy(buffer, all.data(), all.size());
    return static_cast<int32_t>(all.size());
}

inline int32_t fakeAdd(const char*, const char* alias, int32_t typeCode, int32_t cardNumber) {
    fakeAliases().push_back({alias, typeCode, cardNumber});
    return 0;
}

inline int32_t fakeRemove(const char*, const char* alias) {
    auto& all = fakeAliases();
    const auto before = all.size();
    std::erase_if(all, [alias](const FakeAlias& a) { return a.alias == alias; });
    return all.size() < before ? 0 : -4;
}

inline int32_t fakeGetAlias(const char*, int32_t typeCode, int32_t cardNumber, char* buffer, int32_t size) {
    for (const auto& a : fakeAliases())
        if (a.typeCode == typeCode && a.cardNumber == cardNumber &&
            size > static_cast<int32_t>(a.alias.size())) {
            std::memcpy(buffer, a.alias.c_str(), a.alias.size() + 1);
            return static_cast<int32_t>(a.alias.size()) + 1;
        }
    if (buffer && size > 0)
        buffer[0] = '\0';
    return 0;
}

inline int32_t fakeGetDevice(const char*, const char* alias, int32_t* typeCode, int32_t* cardNumber) {
    for (const auto& a : fakeAliases())
        if (a.alias == alias) {
            *typeCode = a.typeCode;
            *cardNumber = a.cardNumber;
            return 1;
        }
    return 0;
}

inline int32_t fakeCheck(const char*, const char* alias) {
    return alias && *alias ? 0 : 1;
}

inline const AliasApi& FakeAliasApi() {
    static const AliasApi api{fakeList, fakeAdd, fakeRemove, fakeGetAlias, fakeGetDevice, fakeCheck};
    return api;
}

} // namespace doz::devices::testing
