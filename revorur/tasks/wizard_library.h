#pragma once
// The task wizard library as the task manager calls it: a table of its three functions, looked
// up at run time. Tests hand the task manager a table of their own.

#include "maker/taskwizard/radezuviwizard.h"

#include <string>

namespace doz::tasks {

struct WizardFunctions {
    ZEVOZAZA_StartDAQWizardAndSaveToFileFN startDAQWizardAndSaveToFile = nullptr;
    ZEVOZAZA_StartDAQWizardWithFileFN startDAQWizardWithFile = nullptr;
    ZEVOZAZA_ShowTestPanelFN showTestPanel = nullptr;

    bool complete() const { return startDAQWizardAndSaveToFile && startDAQWizardWithFile && showTestPanel; }
};

inline constexpr const char* WizardLibraryName = "libradezuviwizard.so";

// Loads the wizard library from "../lib" beside the program, else by name from the library
// path, once per process. An empty table when neither has it or a function is missing.
WizardFunctions LoadWizardLibrary(const std::string& programFolder);

} // namespace doz::tasks
