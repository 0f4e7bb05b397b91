// The C functions of the alias library. No C++ exception crosses this boundary.
#include "alias_name.h"
#include "radezuvivarirare.h"
#include "store_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "common/platform/utf8.h"

using namespace radezuvivarirare;

namespace {

// Runs body and turns an escaping exception into the result `failed`.
template <typename Body> std::int32_t guarded(Body&& body, std::int32_t failed) {
    try {
        return body();
    } catch (...) {
        return failed;
    }
}

void clear(char* buffer, std::int32_t size) {
    if (buffer && size > 0)
        buffer[0] = '\0';
}

std::int32_t clampedSize(std::size_t size) {
    return static_cast<std::int32_t>(std::min<std::size_t>(size, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

extern "C" {

int32_t AliasApiList(const char* store, char* buffer, int32_t size) {
    if (!store || size < 0 || (size > 0 && !buffer))
        return ALIAS_ERR_ARGUMENT;
    return guarded(
        [&]() -> std::int32_t {
            const std::vector<Alias> aliases = loadStore(store).text.aliases();
            const auto room = static_cast<std::size_t>(size);
            std::size_t needed = 1;
            std::size_t used = 0;
            bool full = false;
            for (const Alias& alias : aliases) {
                const std::size_t length = alias.name.size() + 1;
                needed += length;
                // Names go in whole and in order, leaving room for the empty name that ends the list.
                full = full || used + length + 1 > room;
                if (!full) {
                    std::memcpy(buffer + used, alias.name.c_str(), length);
                    used += length;
                }
            }
            if (size > 0)
                buffer[used] = '\0';
            return clampedSize(needed);
        },
        ALIAS_ERR_FILE);
}

int32_t AliasApiAdd(const char* store, const char* alias, int32_t typeCode, int32_t cardNumber) {
    if (!store || !alias || typeCode < 1 || cardNumber < 0)
        return ALIAS_ERR_ARGUMENT;
    if (nameProblem(alias) != 0)
        return ALIAS_ERR_NAME;
    return guarded(
        [&]() -> std::int32_t {
            const Card card{typeCode, cardNumber};
            return modifyStore(store, true, [&](StoreText& text) -> std::int32_t {
                const auto holder = text.findName(alias);
                if (holder && holder->card != card)
                    return ALIAS_ERR_IN_USE;
                text.setAlias(alias, card);
                return ALIAS_OK;
            });
        },
        ALIAS_ERR_FILE);
}

int32_t AliasApiRemove(const char* store, const char* alias) {
    if (!store || !alias)
        return ALIAS_ERR_ARGUMENT;
    return guarded(
        [&]() -> std::int32_t {
            // Removing what is not there needs no lock and never creates a file.
            const LoadedStore loaded = loadStore(store);
            if (!loaded.readable)
                return ALIAS_ERR_FILE;
            if (!loaded.text.findName(alias))
                return ALIAS_ERR_NOT_FOUND;
            return modifyStore(store, false, [&](StoreText& text) {
                return text.removeName(alias) ? ALIAS_OK : ALIAS_ERR_NOT_FOUND;
            });
        },
        ALIAS_ERR_FILE);
}

int32_t AliasApiGetAlias(const char* store, int32_t typeCode, int32_t cardNumber, char* buffer,
                         int32_t size) {
    clear(buffer, size);
    if (!store || !buffer || size <= 0)
        return 0;
    return guarded(
        [&]() -> std::int32_t {
            const auto alias = loadStore(store).text.findCard({typeCode, cardNumber});
            if (!alias)
                return 0;
            const std::size_t length =
                doz::platform::utf8PrefixLength(alias->name, static_cast<std::size_t>(size) - 1);
            std::memcpy(buffer, alias->name.data(), length);
            buffer[length] = '\0';
            return clampedSize(alias->name.size() + 1);
        },
        0);
}

int32_t AliasApiGetDevice(const char* store, const char* alias, int32_t* typeCode, int32_t* cardNumber) {
    if (!store || !alias || !typeCode || !cardNumber)
        return 0;
    return guarded(
        [&]() -> std::int32_t {
            const auto found = loadStore(store).text.findName(alias);
            if (!found)
                return 0;
            *typeCode = found->card.typeCode;
            *cardNumber = found->card.cardNumber;
            return 1;
        },
        0);
}

int32_t AliasApiCheck(const char* store, const char* alias) {
    if (!alias)
        return ALIAS_CHECK_EMPTY;
    if (const std::int32_t problem = nameProblem(alias); problem != 0)
        return problem;
    if (!store)
        return ALIAS_CHECK_STORE;
    return guarded(
        [&]() -> std::int32_t {
            const LoadedStore loaded = loadStore(store);
            if (!loaded.readable)
                return ALIAS_CHECK_STORE;
            return loaded.text.findName(alias) ? ALIAS_CHECK_IN_USE : 0;
        },
        ALIAS_CHECK_STORE);
}

} // extern "C"
