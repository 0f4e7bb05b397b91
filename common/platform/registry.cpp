#include "common/platform/registry.h"

#include "common/platform/hive_store.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace doz::platform {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::filesystem::path homeFolder() {
    if (const std::string home = environment("HOME"); !home.empty())
        return home;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return found->pw_dir;
    return std::filesystem::current_path();
}

template <typename T> std::optional<T> readValue(const KeyPath& key, std::string_view name) {
    const auto hive = loadHive(registryFile());
    const RegData* data = hive->value(key, name);
    if (data == nullptr || !std::holds_alternative<T>(*data))
        return std::nullopt;
    return std::get<T>(*data);
}

bool writeValue(const KeyPath& key, std::string_view name, RegData data) {
    if (!isStorableText(name))
        return false;
    return modifyHive(registryFile(), [&](Hive& hive) {
        return hive.setValue(key, {std::string(name), std::move(data)});
    });
}

} // namespace

std::optional<std::string> RegistryKey::readString(std::string_view name) const {
    return readValue<std::string>({root_, names_}, name);
}

std::optional<std::uint32_t> RegistryKey::readDword(std::string_view name) const {
    return readValue<std::uint32_t>({root_, names_}, name);
}

bool RegistryKey::writeString(std::string_view name, std::string_view value) {
    return isStorableText(value) && writeValue({root_, names_}, name, std::string(value));
}

bool RegistryKey::writeDword(std::string_view name, std::uint32_t value) {
    return writeValue({root_, names_}, name, value);
}

std::vector<std::string> RegistryKey::subkeys() const {
    return loadHive(registryFile())->subkeys({root_, names_});
}

std::vector<std::string> RegistryKey::valueNames() const {
    return loadHive(registryFile())->valueNames({root_, names_});
}

bool RegistryKey::deleteValue(std::string_view name) {
    return modifyHive(registryFile(), [&](Hive& hive) { return hive.deleteValue({root_, names_}, name); });
}

std::optional<RegistryKey> openKey(RootKey root, std::string_view path) {
    auto key = splitKeyPath(root, path);
    if (!key || !loadHive(registryFile())->keyExists(*key))
        return std::nullopt;
    return RegistryKey(root, std::move(key->names));
}

std::optional<RegistryKey> createKey(RootKey root, std::string_view path) {
    auto key = splitKeyPath(root, path);
    if (!key)
        return std::nullopt;
    const bool exists =
        loadHive(registryFile())->keyExists(*key) || modifyHive(registryFile(), [&](Hive& hive) {
            hive.createKey(*key);
            return true;
        });
    if (!exists)
        return std::nullopt;
    return RegistryKey(root, std::move(key->names));
}

bool deleteKey(RootKey root, std::string_view path) {
    const auto key = splitKeyPath(root, path);
    return key && modifyHive(registryFile(), [&](Hive& hive) { return hive.deleteKey(*key); });
}

std::filesystem::path registryFile() {
    if (const std::string file = environment("DOZAZAR_REGISTRY"); !file.empty())
        return file;
    std::filesystem::path config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config.is_relative())
        config = homeFolder() / ".config";
    return config / "dozazar" / "registry.reg";
}

} // namespace doz::platform
