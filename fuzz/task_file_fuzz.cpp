// Task files: any bytes are refused or parsed; a parsed task, written back, parses to the
// same task.

#include "task_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool sameTask(const radezuvi::TaskDefinition& a, const radezuvi::TaskDefinition& b) {
    return a.operation == b.operation && a.typeCode == b.typeCode && a.cardNumber == b.cardNumber &&
           a.description == b.description && a.channels == b.channels && a.properties == b.properties &&
           a.channelProperties == b.channelProperties;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto task = radezuvi::parseTaskFile(text);
    if (!task)
        return 0;
    const std::string written = radezuvi::formatTaskFile(*task);
    const auto again = radezuvi::parseTaskFile(written);
    if (!again || !sameTask(*task, *again))
        std::abort();
    if (radezuvi::formatTaskFile(*again) != written)
        std::abort();
    return 0;
}
