#include "tests/support/temp_registry.h"

#include "tests/support/files.h"

namespace doz::test {

TempRegistry::TempRegistry() : env_("DOZAZAR_REGISTRY", hiveFile().string()) {}

std::string TempRegistry::hiveText() const {
    return std::filesystem::exists(hiveFile()) ? ReadFile(hiveFile()) : "<missing>";
}

void TempRegistry::writeHive(std::string_view text) const {
    WriteFile(hiveFile(), text);
}

} // namespace doz::test
