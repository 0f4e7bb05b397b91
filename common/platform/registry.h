#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace doz::platform {

// The registry of the Windows programs, kept in one .reg text hive (see registryFile()).
// Paths use backslashes ("SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion"); key and value
// names compare case-insensitively. Every call reads the current hive, so changes made by
// other processes are seen at once.
enum class RootKey { LocalMachine, CurrentUser, ClassesRoot };

// A handle to a key that existed when it was opened. Once the key is deleted, reads find
// nothing and writes fail.
class RegistryKey {
public:
    RootKey root() const { return root_; }
    const std::vector<std::string>& path() const { return names_; }

    // "" names the default value. Nullopt when missing or of the other type.
    std::optional<std::string> readString(std::string_view name) const;
    std::optional<std::uint32_t> readDword(std::string_view name) const;
    // False when the hive cannot be written, the key is gone, or the text is not UTF-8 or
    // holds a NUL.
    bool writeString(std::string_view name, std::string_view value);
    bool writeDword(std::string_view name, std::uint32_t value);
    // Names of the direct subkeys, sorted case-insensitively as the registry lists them.
    std::vector<std::string> subkeys() const;
    // Value names in the order they are stored ("" for the default value).
    std::vector<std::string> valueNames() const;
    bool deleteValue(std::string_view name);

private:
    friend std::optional<RegistryKey> openKey(RootKey, std::string_view);
    friend std::optional<RegistryKey> createKey(RootKey, std::string_view);
    RegistryKey(RootKey root, std::vector<std::string> names) : root_(root), names_(std::move(names)) {}

    RootKey root_;
    std::vector<std::string> names_;
};

// Opens an existing key; never creates one. An empty path opens the root itself.
std::optional<RegistryKey> openKey(RootKey root, std::string_view path);
// Opens the key, creating it and its missing parents; nullopt when the hive cannot be written.
std::optional<RegistryKey> createKey(RootKey root, std::string_view path);
// Deletes the key with all its subkeys; false when it is missing or the hive cannot be written.
bool deleteKey(RootKey root, std::string_view path);

// $DOZAZAR_REGISTRY, else $XDG_CONFIG_HOME/dozazar/registry.reg (XDG default ~/.config).
std::filesystem::path registryFile();

} // namespace doz::platform
