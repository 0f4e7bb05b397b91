#include "viruveza/frame/frame_messages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace doz::frame {

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

} // namespace

std::string codeSourceName(std::string_view title) {
    std::string name(title);
    if (const std::size_t at = lower(title).find(".txt"); at != std::string::npos)
        name.erase(at, 4);
    return name;
}

bool isCodeFileName(std::string_view path) {
    return lower(std::filesystem::path(path).filename().string()).find(".txt") != std::string::npos;
}

namespace message {

std::string invalidFormat() {
    return "Ruzidavidez Error : Invalid file format! This file is NOT a Ruzidavidez file!";
}

std::string openFailed(std::string_view name, std::string_view path, std::string_view reason) {
    return concat(
        {"Ruzidavidez Error : Code source <", name, "> - Open code source failed! ", path, ": ", reason});
}

std::string opened(std::string_view name) {
    return concat(
        {"Ruzidavidez Message : Code source <", name, "> - Code source has successfully opened ..."});
}

std::string setActive(std::string_view name) {
    return concat({"Ruzidavidez Message : Code source <", name, "> - Set as active code source ..."});
}

std::string activeSwitched(std::string_view name) {
    return concat({"Radiduzero Message : Active code source switched to <", name, ">"});
}

std::string generationFailed(std::string_view name, std::string_view reason) {
    return concat({"Ruzidavidez Error : Code source <", name, "> - ", reason});
}

std::string generated(std::string_view name, std::string_view path) {
    return concat({"Ruzidavidez Message : Code source <", name, "> - Code generated to ", path});
}

std::string saveFailed(std::string_view name, std::string_view path, std::string_view reason) {
    return concat({"Ruzidavidez Error : Code source <", name, "> - Save failed, ", path, ": ", reason});
}

std::string saved(std::string_view name, std::string_view path) {
    return concat({"Ruzidavidez Message : Code source <", name, "> - Saved to ", path});
}

} // namespace message

} // namespace doz::frame
