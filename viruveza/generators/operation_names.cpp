#include "viruveza/generators/operation_names.h"

#include "viruveza/generators/name_lists.h"

namespace doz::generators {

namespace {

constexpr std::array<const char*, 10> ClassicOperations = {
    "Single-Point AI", "Analog Output", "Digital Input", "Digital Output",  "Continuous AI",
    "Continuous AO",   "Continuous DI", "Continuous DO", "Interrupt Event", "Counter",
};

constexpr std::array<const char*, 7> E400Operations = {
    "Single-Point AI",
    "Continuous AI",
    "Analog Output",
    "Continuous AO (Waveform)",
    "Digital Input",
    "Digital Output",
    "General Purpose Timer/Counter",
};

} // namespace

const char* OperationName(CardLine line, std::uint16_t operation) {
    switch (line) {
    case CardLine::Classic:
        return NameAt(ClassicOperations, operation);
    case CardLine::E400:
        return NameAt(E400Operations, operation);
    }
    return "";
}

} // namespace doz::generators
