#include "viruveza/frame/app_settings.h"

#include "common/platform/registry.h"

namespace doz::frame {

std::string sectionPath(const char* section) {
    return std::string(kProgramKey) + "\\" + section;
}

std::uint32_t loadPreviewPages() {
    const auto key = platform::openKey(platform::RootKey::CurrentUser, sectionPath(kSettingsSection));
    return key ? key->readDword(kPreviewPagesValue).value_or(0) : 0;
}

void savePreviewPages(std::uint32_t pages) {
    if (pages == 0)
        return;
    if (auto key = platform::createKey(platform::RootKey::CurrentUser, sectionPath(kSettingsSection)))
        key->writeDword(kPreviewPagesValue, pages);
}

} // namespace doz::frame
