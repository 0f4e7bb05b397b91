#pragma once
// Texts of the range, reference-mode and acquisition-mode codes; unknown codes read empty.

#include <string_view>

namespace doz::catalogue {

std::string_view RangeText(int code);     // 201 to 216
std::string_view ReferenceText(int code); // 300 to 302
std::string_view AiModeText(int code);    // 0 and 1

} // namespace doz::catalogue
