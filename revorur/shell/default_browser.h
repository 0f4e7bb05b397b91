#pragma once
// Opening a web address or local file in the registered web browser.

#include <optional>
#include <string>
#include <string_view>

namespace doz::shell {

// The browser program named by a registered open command: the command upper-cased, up to and
// including its first ".EXE", without a leading double quote; nothing when there is no ".EXE".
std::optional<std::string> BrowserProgramOf(std::string_view registeredCommand);

// Starts the browser registered under HKEY_CLASSES_ROOT "http\shell\open\command" with the
// target. Nothing starts, and nothing is reported, when no browser is registered.
void OpenWithDefaultBrowser(std::string_view target);

} // namespace doz::shell
