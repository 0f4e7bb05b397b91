#include "revorur/tasks/wizard_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>

namespace doz::tasks {
namespace {

template <typename Fn> Fn lookUp(void* library, const char* name) {
    return reinterpret_cast<Fn>(::dlsym(library, name));
}

WizardFunctions functionsOf(void* library) {
    WizardFunctions table;
    table.startDAQWizardAndSaveToFile =
        lookUp<ZEVOZAZA_StartDAQWizardAndSaveToFileFN>(library, "ZEVOZAZA_StartDAQWizardAndSaveToFile");
    table.startDAQWizardWithFile =
        lookUp<ZEVOZAZA_StartDAQWizardWithFileFN>(library, "ZEVOZAZA_StartDAQWizardWithFile");
    table.showTestPanel = lookUp<ZEVOZAZA_ShowTestPanelFN>(library, "ZEVOZAZA_ShowTestPanel");
    return table.complete() ? table : WizardFunctions{};
}

} // namespace

WizardFunctions LoadWizardLibrary(const std::string& programFolder) {
    static std::mutex mutex;
    static void* library = nullptr;
    const std::lock_guard lock(mutex);
    if (!library) {
        const std::filesystem::path besideProgram =
            std::filesystem::path(programFolder).parent_path() / "lib" / WizardLibraryName;
        library = ::dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library)
            library = ::dlopen(WizardLibraryName, RTLD_NOW | RTLD_LOCAL);
    }
    return library ? functionsOf(library) : WizardFunctions{};
}

} // namespace doz::tasks
