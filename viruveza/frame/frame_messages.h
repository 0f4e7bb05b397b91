#pragma once
// The lines Ruzidavidez posts to its message window.

#include <string>
#include <string_view>

namespace doz::frame {

inline constexpr std::string_view kErrorPrefix = "Ruzidavidez Error :";

// The code-source name of a document title: the title with its first ".txt" (in any letter
// case) taken out.
std::string codeSourceName(std::string_view title);

// Whether a file name may be opened as a code file: its name (not its folders) holds ".TXT"
// in any letter case.
bool isCodeFileName(std::string_view path);

namespace message {
std::string invalidFormat();
std::string openFailed(std::string_view name, std::string_view path, std::string_view reason);
std::string opened(std::string_view name);
std::string setActive(std::string_view name);
std::string activeSwitched(std::string_view name);
std::string generationFailed(std::string_view name, std::string_view reason);
std::string generated(std::string_view name, std::string_view path);
std::string saveFailed(std::string_view name, std::string_view path, std::string_view reason);
std::string saved(std::string_view name, std::string_view path);
} // namespace message

} // namespace doz::frame
