#pragma once
// Where Ruzidavidez keeps its per-user settings in the registry, and the values it keeps.

#include <cstdint>
#include <string>

namespace doz::frame {

// The per-user key of the program, below HKEY_CURRENT_USER.
inline constexpr const char* kProgramKey = "Software\\Local AppWizard-Generated Applications\\Ruzidavidez";
inline constexpr const char* kRecentSection = "Recent Project List";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPreviewPagesValue = "PreviewPages";

// The registry path of a section of the program key.
std::string sectionPath(const char* section);

// "PreviewPages": pages side by side in print preview; 0 when unset.
std::uint32_t loadPreviewPages();
// Written only when not 0.
void savePreviewPages(std::uint32_t pages);

} // namespace doz::frame
