#include "viruveza/generators/data_types.h"

#include "viruveza/generators/name_lists.h"

namespace doz::generators {

namespace {

enum TypeCode : std::uint8_t { U8, U16, U32, I8, I16, I32, None = 15 };

constexpr std::array<const char*, 6> TypeNames = {"U8", "U16", "U32", "I8", "I16", "I32"};

// One type code per data kind, in the order of `DataKind`:
// AI, continuous AI, AO, continuous AO, DI, continuous DI, DO, continuous DO.
using CardTypes = std::array<TypeCode, 8>;

constexpr CardTypes NoTypes = {None, None, None, None, None, None, None, None};
constexpr CardTypes A120 = {None, None, I16, None, U8, None, U8, None};
constexpr CardTypes A130 = {None, None, U16, None, U8, None, U8, None};
constexpr CardTypes D210 = {None, None, None, None, U32, U32, U32, U32};
constexpr CardTypes Dio16 = {None, None, None, None, U16, None, U16, None};
constexpr CardTypes D223 = {None, None, None, None, U32, None, None, None};
constexpr CardTypes D224 = {None, None, None, None, None, None, U32, None};
constexpr CardTypes Dio8 = {None, None, None, None, U8, None, U8, None};
constexpr CardTypes D260 = {None, None, None, None, U8, U32, U8, U32};
constexpr CardTypes Dio32 = {None, None, None, None, U32, None, U32, None};
constexpr CardTypes M610 = {I16, I16, U16, None, U16, None, U16, None};
constexpr CardTypes M620 = {U16, U16, U16, None, U16, None, U16, None};
constexpr CardTypes M630 = {U16, U32, U16, None, None, None, None, None};
constexpr CardTypes M640 = {I16, U32, U16, None, U16, None, U16, None};
constexpr CardTypes M660 = {U16, U16, U16, None, U8, None, U8, None};
constexpr CardTypes M660HR = {I16, I16, U16, None, U8, None, U8, None};
constexpr CardTypes S7x0 = {None, I16, None, None, None, None, None, None};
constexpr CardTypes M650 = {I16, I16, None, None, U8, None, U8, None};

// Indexed by the classic card type value.
constexpr std::array<CardTypes, 37> ClassicTypes = {
    NoTypes, // none
    A120,    // A120V
    A120,    // A120A
    A130,    // A130V
    A130,    // A130A
    D210,    // D210
    Dio16,   // D220
    D223,    // D223
    D224,    // D224
    Dio8,    // D230
    Dio8,    // D231
    Dio8,    // D235
    Dio16,   // D237
    Dio8,    // D250
    D260,    // D260A_RevA
    D260,    // D260A_RevB
    Dio32,   // D280
    Dio32,   // D281
    Dio32,   // D282
    Dio8,    // T310
    M610,    // M610DG
    M610,    // M610HR
    M620,    // M620
    M630,    // M630
    M640,    // M640DG
    M640,    // M640HG
    M660,    // M660DG
    M660,    // M660HG
    M660HR,  // M660HR
    S7x0,    // S710
    S7x0,    // S720
    Dio32,   // D270
    M650,    // M650
    Dio16,   // D240
    Dio16,   // D242
    Dio16,   // D245
    Dio32,   // D295
};

} // namespace

const char* ClassicDataTypeName(std::uint16_t cardType, DataKind kind) {
    if (cardType >= ClassicTypes.size())
        return "";
    const TypeCode code = ClassicTypes[cardType][static_cast<std::size_t>(kind)];
    return NameAt(TypeNames, code);
}

} // namespace doz::generators
