#pragma once
// The alias library as the device manager calls it: a table of its six functions, loaded at run
// time so a missing library leaves the table empty instead of stopping the program, and the
// store look-ups the Alias tree, its commands and the alias dialogs share.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace doz::devices {

struct AliasApi { // the alias library's six calls; all null when the library is missing
    std::int32_t (*List)(const char*, char*, std::int32_t) = nullptr;
    std::int32_t (*Add)(const char*, const char*, std::int32_t, std::int32_t) = nullptr;
    std::int32_t (*Remove)(const char*, const char*) = nullptr;
    std::int32_t (*GetAlias)(const char*, std::int32_t, std::int32_t, char*, std::int32_t) = nullptr;
    std::int32_t (*GetDevice)(const char*, const char*, std::int32_t*, std::int32_t*) = nullptr;
    std::int32_t (*Check)(const char*, const char*) = nullptr;
    bool loaded() const; // all six present
};

// Loads the library once (beside the program in ../lib/, then by name); all null if missing.
const AliasApi& LoadedAliasApi();

// Longest alias in bytes of UTF-8: look-ups use a buffer of 32.
inline constexpr int AliasMaxBytes = 31;

// Store helpers every caller uses; each does nothing (or finds nothing) when !api.loaded().
std::optional<std::string> AliasOf(const AliasApi& api, const std::string& store, int typeCode,
                                   int cardNumber);
std::vector<std::string> AllAliases(const AliasApi& api, const std::string& store);

struct AliasDevice {
    int typeCode;
    int cardNumber;
};
std::optional<AliasDevice> DeviceOfAlias(const AliasApi& api, const std::string& store,
                                         const std::string& alias);

// The card's alias found in the group's alias order starting at `typeCode` and going round the
// whole group (Alias tree), with the code it was found under; a code outside the groups is
// looked up alone.
struct FoundAlias {
    std::string alias;
    int code;
};
std::optional<FoundAlias> FindCardAlias(const AliasApi& api, const std::string& store, int typeCode,
                                        int cardNumber);

// The Delete command: removes the card's alias (group: the first found in alias order from the
// group head); nothing when it has none.
void DeleteCardAlias(const AliasApi& api, const std::string& store, int typeCode, int cardNumber);

// The codes a card's alias may be stored under: every code of its group, else its own code.
std::vector<int> AliasCodesOfCard(int typeCode);

// What giving a card a new alias came to.
enum class AliasChange {
    Stored,   // the new alias is the card's alias
    Removed,  // the text was empty: the card has no alias now
    Rejected, // the library refused the text; the card keeps the alias it had
    Failed,   // the library could not store it (or is missing); the card keeps the alias it had
};

// Takes the card's aliases under `codes` away and stores `alias` under `storeCode`, checked by
// the library after the old aliases are gone (so re-entering the current alias passes). An
// empty alias only removes. A rejected or failed alias puts the old aliases back as they were.
AliasChange ReplaceCardAlias(const AliasApi& api, const std::string& store, std::span<const int> codes,
                             int cardNumber, const std::string& alias, int storeCode);

} // namespace doz::devices
