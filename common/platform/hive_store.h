#pragma once

#include "common/platform/reg_hive.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace doz::platform {

// The hive as it is on disk now. It is parsed again only when the file changed since the
// last call; a missing or unreadable file reads as an empty hive.
std::shared_ptr<const Hive> loadHive(const std::filesystem::path& file);

// Applies `change` to the current hive under an exclusive lock (a lock file beside the hive)
// and replaces the file atomically. `change` returns false to give up without writing.
// Before the first rewrite of a file holding lines that could not be understood, the file
// is copied to "<name>.bak". False when `change` gave up or the hive cannot be written.
bool modifyHive(const std::filesystem::path& file, const std::function<bool(Hive&)>& change);

} // namespace doz::platform
