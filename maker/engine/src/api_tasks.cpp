// C functions: creating, loading, saving and ending tasks, properties, channels and running.
#include "api_support.h"
#include "task_file.h"

#include <algorithm>
#include <cstdlib>

using namespace radezuvi;

namespace {

Radezuvi_Handle addTask(TaskDefinition definition, int32_t openNow) {
    return guarded([&] { return Engine::instance().add(std::move(definition), openNow != 0); },
                   Radezuvi_Handle{0});
}

} // namespace

extern "C" {

Radezuvi_Handle Radezuvi_CreateTask(int32_t operation, int32_t typeCode, int32_t cardNumber,
                                    int32_t openNow) {
    TaskDefinition definition;
    definition.operation = operation;
    definition.typeCode = typeCode;
    definition.cardNumber = cardNumber;
    return addTask(std::move(definition), openNow);
}

Radezuvi_Handle Radezuvi_LoadTask(const char* path, int32_t openNow) {
    if (!path) {
        return 0;
    }
    auto definition = guarded([&] { return readTaskFile(path); }, std::optional<TaskDefinition>());
    return definition ? addTask(std::move(*definition), openNow) : 0;
}

int32_t Radezuvi_SaveTask(Radezuvi_Handle handle, const char* path) {
    if (!path) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return withTask(handle, [&](Task& task) {
        return writeTaskFile(path, task.definition()) ? RADEZUVI_OK : RADEZUVI_ERR_FILE;
    });
}

int32_t Radezuvi_SetTaskDescription(Radezuvi_Handle handle, const char* text) {
    if (!text) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return withTask(handle, [&](Task& task) {
        task.setDescription(text);
        return RADEZUVI_OK;
    });
}

int32_t Radezuvi_GetTaskDescription(Radezuvi_Handle handle, char* buffer, int32_t size) {
    return withTask(handle,
                    [&](Task& task) { return copyText(task.definition().description, buffer, size); });
}

int32_t Radezuvi_EndTask(Radezuvi_Handle handle) {
    return guarded(
        [&]() -> int32_t {
            const auto task = Engine::instance().take(handle);
            if (!task) {
                return 0;
            }
            task->stop();
            return 1;
        },
        int32_t{0});
}

int32_t Radezuvi_EnableSingleChannel(Radezuvi_Handle handle, int32_t channel) {
    return withTask(handle, [&](Task& task) { return task.enableChannel(channel); });
}

int32_t Radezuvi_SetPropertyEnum(Radezuvi_Handle handle, int32_t property, int32_t value) {
    return withTask(handle, [&](Task& task) { return task.setProperty(property, value); });
}

int32_t Radezuvi_SetPropertyU4(Radezuvi_Handle handle, int32_t property, uint32_t value) {
    return withTask(handle, [&](Task& task) { return task.setProperty(property, value); });
}

int32_t Radezuvi_SetPropertyF64(Radezuvi_Handle handle, int32_t property, double value) {
    return withTask(handle, [&](Task& task) { return task.setProperty(property, value); });
}

int32_t Radezuvi_GetPropertyI4(Radezuvi_Handle handle, int32_t property) {
    return withTask(handle, [&](Task& task) {
        double value = 0;
        const int32_t result = task.getProperty(property, value);
        if (result != RADEZUVI_OK) {
            return result;
        }
        return static_cast<int32_t>(std::clamp(value, double{INT32_MIN}, double{INT32_MAX}));
    });
}

int32_t Radezuvi_GetPropertyF64(Radezuvi_Handle handle, int32_t property, double* value) {
    if (!value) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return withTask(handle, [&](Task& task) { return task.getProperty(property, *value); });
}

int32_t Radezuvi_SetChannelPropertyEnum(Radezuvi_Handle handle, int32_t channel, int32_t property,
                                        int32_t value) {
    return withTask(handle, [&](Task& task) { return task.setChannelProperty(channel, property, value); });
}

int32_t Radezuvi_SetChannelPropertyBool(Radezuvi_Handle handle, int32_t channel, int32_t property,
                                        int32_t value) {
    return withTask(handle,
                    [&](Task& task) { return task.setChannelProperty(channel, property, value != 0); });
}

int32_t Radezuvi_SetChannelPropertyF64(Radezuvi_Handle handle, int32_t channel, int32_t property,
                                       double value) {
    return withTask(handle, [&](Task& task) { return task.setChannelProperty(channel, property, value); });
}

int32_t Radezuvi_GetChannelPropertyBool(Radezuvi_Handle handle, int32_t channel, int32_t property,
                                        int32_t* value) {
    if (!value) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return withTask(handle, [&](Task& task) {
        double stored = 0;
        const int32_t result = task.getChannelProperty(channel, property, stored);
        *value = stored != 0;
        return result;
    });
}

int32_t Radezuvi_GetChannelPropertyF64(Radezuvi_Handle handle, int32_t channel, int32_t property,
                                       double* value) {
    if (!value) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return withTask(handle, [&](Task& task) { return task.getChannelProperty(channel, property, *value); });
}

int32_t Radezuvi_GetEnabledChannelList(Radezuvi_Handle handle, uint16_t** list) {
    if (!list) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    *list = nullptr;
    return withTask(handle, [&](Task& task) -> int32_t {
        const auto channels = task.enabledChannels();
        if (channels.empty()) {
            return 0;
        }
        auto* copy = static_cast<uint16_t*>(std::malloc(channels.size() * sizeof(uint16_t)));
        if (!copy) {
            return RADEZUVI_ERR_RESOURCE;
        }
        std::copy(channels.begin(), channels.end(), copy);
        *list = copy;
        return static_cast<int32_t>(channels.size());
    });
}

void Radezuvi_FreeChannelList(uint16_t* list) {
    std::free(list);
}

int32_t Radezuvi_SetCallbackProc(Radezuvi_Handle handle, Radezuvi_CallbackProc callback, void* userValue) {
    return withTask(handle, [&](Task& task) { return task.setCallback(callback, userValue); });
}

int32_t Radezuvi_Config(Radezuvi_Handle handle) {
    return withTask(handle, [](Task& task) { return task.config(); });
}

int32_t Radezuvi_Start(Radezuvi_Handle handle) {
    return withTask(handle, [](Task& task) { return task.start(); });
}

int32_t Radezuvi_Stop(Radezuvi_Handle handle) {
    return withTask(handle, [](Task& task) { return task.stopOnRequest(); });
}

} // extern "C"
