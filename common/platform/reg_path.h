#pragma once

#include "common/platform/registry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace doz::platform {

// A key of the hive: its root and the names below it (empty for the root itself).
struct KeyPath {
    RootKey root;
    std::vector<std::string> names;
};

// "HKEY_LOCAL_MACHINE" and its siblings, as the hive's section headers name them.
std::string_view rootKeyName(RootKey root);

// A key name is UTF-8 text without backslashes or control characters.
bool isValidKeyName(std::string_view name);

// Splits "A\\B\\C" below `root`; empty parts (doubled or outer backslashes) are skipped.
// Nullopt when a part is not a valid key name.
std::optional<KeyPath> splitKeyPath(RootKey root, std::string_view path);

// Reads "HKEY_LOCAL_MACHINE\\A\\B" (root names match case-insensitively).
std::optional<KeyPath> parseFullKeyName(std::string_view fullName);
std::string fullKeyName(const KeyPath& key);

// Registry names compare as Windows does: case-insensitively, by their upper-case form.
std::string foldName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);
bool nameLess(std::string_view a, std::string_view b);

} // namespace doz::platform
