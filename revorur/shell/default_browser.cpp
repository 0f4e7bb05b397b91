#include "default_browser.h"

#include "common/platform/launcher.h"
#include "common/platform/registry.h"

#include <algorithm>
#include <cctype>

namespace doz::shell {

std::optional<std::string> BrowserProgramOf(std::string_view registeredCommand) {
    std::string upper(registeredCommand);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const auto exe = upper.find(".EXE");
    if (exe == std::string::npos)
        return std::nullopt;
    const std::size_t start = upper.front() == '"' ? 1 : 0;
    return upper.substr(start, exe + 4 - start);
}

void OpenWithDefaultBrowser(std::string_view target) {
    const auto key = platform::openKey(platform::RootKey::ClassesRoot, "http\\shell\\open\\command");
    const auto command = key ? key->readString("") : std::nullopt;
    const auto program = BrowserProgramOf(command.value_or(""));
    if (program)
        platform::startBrowser(*program, target);
}

} // namespace doz::shell
