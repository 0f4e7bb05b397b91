#include "profile_location.h"

#include "common/platform/registry.h"

namespace radezuvi {

std::optional<std::filesystem::path> registryProfilePath() {
    using namespace doz::platform;
    const auto key = openKey(RootKey::LocalMachine, "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion");
    if (!key) {
        return std::nullopt;
    }
    const auto value = key->readString("Machine Profile");
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(*value);
}

} // namespace radezuvi
