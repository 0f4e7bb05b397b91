#include "revorur/software/product_registry.h"

#include "common/platform/registry.h"
#include "revorur/shell/startup_paths.h"

namespace doz::software {

using platform::openKey;
using platform::RootKey;

std::string productVersionKey(std::string_view productName) {
    std::string key(kMakerKey);
    key += '\\';
    key += productName;
    key += "\\CurrentVersion";
    return key;
}

bool isInstalled(std::string_view productName) {
    return openKey(RootKey::LocalMachine, productVersionKey(productName)).has_value();
}

namespace {

std::string versionOf(std::string_view productName) {
    const auto key = openKey(RootKey::LocalMachine, productVersionKey(productName));
    const auto version = key ? key->readString("Version") : std::nullopt;
    return version && !version->empty() ? *version : std::string(kUnknownVersion);
}

} // namespace

std::vector<RegisteredProduct> registeredProducts() {
    std::vector<RegisteredProduct> products;
    const auto maker = openKey(RootKey::LocalMachine, kMakerKey);
    if (!maker)
        return products;
    for (std::string& name : maker->subkeys()) {
        std::string version = versionOf(name);
        products.push_back({std::move(name), std::move(version)});
    }
    return products;
}

std::optional<std::filesystem::path> sampleFolder(std::string_view productName) {
    const auto key = openKey(RootKey::LocalMachine, productVersionKey(productName));
    const auto path = key ? key->readString("path") : std::nullopt;
    if (!path || path->empty())
        return std::nullopt;
    // The installer writes the folder with a trailing separator; one is added when it is not.
    const std::filesystem::path folder = std::filesystem::path(shell::NativePath(*path)) / "Samples";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return std::nullopt;
    return folder;
}

} // namespace doz::software
