// C functions: single-point input and output, pattern buffers and counters.
#include "api_support.h"

using namespace radezuvi;

extern "C" {

int32_t Radezuvi_AI_ReadChannels(Radezuvi_Handle handle, double* values) {
    return withTask(handle, [&](Task& task) { return task.readAnalog(values); });
}

int32_t Radezuvi_AO_WriteChannel(Radezuvi_Handle handle, double value) {
    return withTask(handle, [&](Task& task) { return task.writeAnalog(value); });
}

int32_t Radezuvi_DI_ReadPort(Radezuvi_Handle handle, uint32_t* value) {
    return withTask(handle, [&](Task& task) { return task.readPort(value); });
}

int32_t Radezuvi_DO_WritePort(Radezuvi_Handle handle, uint32_t value) {
    return withTask(handle, [&](Task& task) { return task.writePort(value); });
}

int32_t Radezuvi_GetDOBuffer(Radezuvi_Handle handle, Radezuvi_PatternDescriptor* descriptor, int32_t) {
    return withTask(handle, [&](Task& task) { return task.patternBuffer(descriptor); });
}

int32_t Radezuvi_SetDOPattern(Radezuvi_Handle handle, const Radezuvi_PatternDescriptor* descriptor) {
    return withTask(handle, [&](Task& task) { return task.setPattern(descriptor); });
}

int32_t Radezuvi_TC_GetValue(Radezuvi_Handle handle, uint32_t* count) {
    return withTask(handle, [&](Task& task) { return task.counterValue(count); });
}

} // extern "C"
