// Generation records: any text is a record or a RecordError; a record, printed and read again,
// prints the same.

#include "viruveza/generators/cli/record_json.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace doz::generators;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    GenerationRequest request;
    try {
        request = ParseRecordJson(text);
    } catch (const RecordError&) {
        return 0;
    }
    const std::string printed = RecordToJson(request.line, request.record);
    GenerationRequest again;
    try {
        again = ParseRecordJson(printed);
    } catch (const RecordError&) {
        std::abort(); // what the tool prints it must read back
    }
    if (RecordToJson(again.line, again.record) != printed)
        std::abort();
    return 0;
}
