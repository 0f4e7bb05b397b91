// Registry hive text: any text parses; what parses, written back and parsed again, writes back
// the same, and every value it reads survives the round trip.

#include "common/platform/reg_hive.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using doz::platform::Hive;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Hive first = Hive::parse(text);
    const std::string written = first.serialize();
    const Hive second = Hive::parse(written);
    if (second.serialize() != written)
        std::abort();
    return 0;
}
