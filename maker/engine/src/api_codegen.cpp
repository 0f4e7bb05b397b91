// C functions: the code-generation list of a task file.
#include "api_support.h"
#include "codegen_list.h"
#include "task_file.h"

using namespace radezuvi;

// The opaque C handle is the list itself.
struct Radezuvi_CodeGenList {
    CodeGenList list;
};

extern "C" {

Radezuvi_CodeGenList* CodeGenLoadFromFileFN(const char* path) {
    if (!path) {
        return nullptr;
    }
    return guarded(
        [&]() -> Radezuvi_CodeGenList* {
            const auto definition = readTaskFile(path);
            return definition ? new Radezuvi_CodeGenList{CodeGenList(*definition)} : nullptr;
        },
        static_cast<Radezuvi_CodeGenList*>(nullptr));
}

int32_t GetCodeGenElementFN(Radezuvi_CodeGenList* list, int32_t element, int32_t item, char* buffer,
                            int32_t size) {
    if (!list) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return guardedCode([&] {
        const auto text = list->list.item(element, item);
        const int32_t length = copyText(text.value_or(std::string()), buffer, size);
        return text ? length : RADEZUVI_ERR_ARGUMENT;
    });
}

void FreeCodeGenListFN(Radezuvi_CodeGenList* list) {
    delete list;
}

} // extern "C"
