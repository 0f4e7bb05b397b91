#pragma once
// Reading the store file, and changing it under a lock with an atomic replace.

#include "store_text.h"

#include <cstdint>
#include <filesystem>
#include <functional>

namespace radezuvivarirare {

struct LoadedStore {
    StoreText text;
    bool readable = true; // false when the file exists but cannot be read
};

// The store as it is now; a missing file reads as an empty store.
LoadedStore loadStore(const std::filesystem::path& file);

// Applies `change` to the current store under an exclusive lock (a lock file beside the store)
// and replaces the file atomically when the change returns ALIAS_OK and altered the text.
// `createFolder` makes a missing folder first. ALIAS_ERR_FILE when the folder cannot be made,
// the lock cannot be taken, an existing store cannot be read or the new one cannot be written;
// otherwise the change's result.
std::int32_t modifyStore(const std::filesystem::path& file, bool createFolder,
                         const std::function<std::int32_t(StoreText&)>& change);

} // namespace radezuvivarirare
