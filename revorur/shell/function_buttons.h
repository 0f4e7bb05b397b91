#pragma once
// The function buttons of the main window's bottom panel, as data: where each sits, its
// inert twin, its hint and the tip it writes into the page's tip memo.

#include <span>
#include <string_view>

namespace doz::shell {

enum class Manager { Device, Software, Task };

// The small notebook that switches a button on and off; None for always-enabled buttons.
enum class SwitchNotebook { None, DeviceFunction, DevCalibration, TaskFunc };

struct FunctionButton {
    std::string_view name;
    std::string_view twin; // inert look-alike on the "Disable" page; empty when there is none
    Manager manager;
    SwitchNotebook notebook;
    std::string_view hint;
    std::string_view tip;
    std::string_view glyph; // short text drawn on the button's picture
};

std::span<const FunctionButton> FunctionButtons();
const FunctionButton* FindFunctionButton(std::string_view name);

// Tree names whose items a manager's buttons accept by drag and drop.
bool ButtonAcceptsTree(const FunctionButton& button, std::string_view treeName);

} // namespace doz::shell
