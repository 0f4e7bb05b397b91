#include "function_buttons.h"

namespace doz::shell {
namespace {

using M = Manager;
using N = SwitchNotebook;

constexpr FunctionButton buttons[] = {
    {"BitBtn_DevConfiguration", "BitBtn_DevConfiguration01", M::Device, N::DeviceFunction, "Configure",
     "Adjusts the memory configuration for modules performing continuous AI, DI, and DO operations", "CFG"},
    {"BitBtn_DevTestPanel", "BitBtn_DevTestPanel01", M::Device, N::DeviceFunction, "Test Panel",
     "Provides a basic test function for task diagnosis", "TP"},
    {"BitBtn_DevCalibration", "BitBtn_DevCalibration01", M::Device, N::DevCalibration, "Calibration",
     "Calibrates DAQ-E400 series modules", "CAL"},
    {"BitBtn_UpdateWizard", "", M::Software, N::None, "Update Wizard",
     "Displays a version table for software updating", "UPD"},
    {"BitBtn_SoftSample", "", M::Software, N::None, "Sanples",
     "Redirects the user to the sample program directory depending on the selected software application",
     "SMP"},
    {"BitBtn_Ruzidavidez", "", M::Software, N::None, "Ruzidavidez",
     "Launches the Ruzidavidez utility that guides a user in setting the correct DAQ task parameters for C "
     "code "
     "generation",
     "C"},
    {"BitBtn_DataConversion", "", M::Software, N::None, "Data Conversion",
     "Launches the data conversion tool that enables a user to load a captured raw data file and export it "
     "to "
     "various file formats",
     "CNV"},
    {"BitBtn_TaskNew", "", M::Task, N::None, "Create", "Create new task", "+"},
    {"BitBtn_TaskDel", "BitBtn_TaskDel_01", M::Task, N::TaskFunc, "Delete", "Deletes the selected task",
     "DEL"},
    {"BitBtn_TaskModify", "BitBtn_TaskModify_01", M::Task, N::TaskFunc, "Modify",
     "Launches the Radezuvi Wizard to reconfigure the task specification", "MOD"},
    {"BitBtn_TaskRename", "BitBtn_TaskRename_01", M::Task, N::TaskFunc, "Rename", "Renames the selected task",
     "REN"},
    {"BitBtn_TaskTestPanel", "BitBtn_TaskTestPanel_01", M::Task, N::TaskFunc, "Task Test Panel",
     "Launches the Radezuvi's instant test panel depending on the selected task", "TP"},
    {"BitBtn_TaskCodeGen", "BitBtn_TaskCodeGen_01", M::Task, N::TaskFunc, "Generate C reference code",
     "Generates a C reference code depending on the selected task", "C"},
};

} // namespace

std::span<const FunctionButton> FunctionButtons() {
    return buttons;
}

const FunctionButton* FindFunctionButton(std::string_view name) {
    for (const auto& b : buttons)
        if (b.name == name)
            return &b;
    return nullptr;
}

bool ButtonAcceptsTree(const FunctionButton& button, std::string_view treeName) {
    switch (button.manager) {
    case Manager::Device:
        return treeName == "TreeView_InstalledDevice" || treeName == "TreeView_DeviceAlias";
    case Manager::Software:
        return treeName == "TreeView_Software";
    case Manager::Task:
        return treeName == "TreeView_Task";
    }
    return false;
}

} // namespace doz::shell
