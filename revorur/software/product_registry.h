#pragma once
// What the registry says about the maker's products: a product is installed when its version
// key "SOFTWARE\Dozazar\<name>\CurrentVersion" exists under HKEY_LOCAL_MACHINE; the key's
// "Version" and "path" values give its version and its installation folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace doz::software {

inline constexpr std::string_view kMakerKey = "SOFTWARE\\Dozazar";
// What a product reports when its version key, or the version in it, is missing or empty.
inline constexpr std::string_view kUnknownVersion = "Unknow Version";

std::string productVersionKey(std::string_view productName);
bool isInstalled(std::string_view productName);

struct RegisteredProduct {
    std::string name;
    std::string version;
};

// Every subkey of the maker's key, in registry order, with its version. Empty when the maker's
// key is missing.
std::vector<RegisteredProduct> registeredProducts();

// The "Samples" folder inside the product's "path" folder, when the product is installed, the
// path is set and that folder exists.
std::optional<std::filesystem::path> sampleFolder(std::string_view productName);

} // namespace doz::software
