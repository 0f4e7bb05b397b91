#include "viruveza/generators/card_tables.h"

#include "viruveza/generators/name_lists.h"

namespace doz::generators {

namespace {

// Indexed by the classic card type value.
constexpr std::array<const char*, 37> ClassicCards = {
    "",           "PCI_A120V",  "PCI_A120A",      "PCI_A130V",      "PCI_A130A",  "PCI_D210",
    "PCI_D220",   "PCI_D223",   "PCI_D224",       "PCI_D230",       "PCI_D231",   "PCI_D235",
    "PCI_D237",   "PCI_D250",   "PCI_D260A_RevA", "PCI_D260A_RevB", "PCI_D280",   "PCI_D281",
    "PCI_D282",   "PCI_T310",   "PCI_M610DG",     "PCI_M610HR",     "PCI_M620",   "PCI_M630",
    "PCI_M640DG", "PCI_M640HG", "PCI_M660DG",     "PCI_M660HG",     "PCI_M660HR", "PCI_S710",
    "PCI_S720",   "PCI_D270",   "PCI_M650",       "PCI_D240",       "PCI_D242",   "PCI_D245",
    "PCI_D295",
};

enum E400Group : std::uint8_t { Plain, Simultaneous, Grounded };

struct E400Card {
    const char* constant;
    std::uint16_t aiEntries;
    std::uint16_t aoEntries;
    E400Group group;
};

// Indexed by the E400 card type value.
constexpr std::array<E400Card, 13> E400Cards = {{
    {"", 4, 2, Plain},
    {"DAQ_E420", 4, 2, Simultaneous},
    {"DAQ_E435", 64, 2, Grounded},
    {"DAQ_E440", 64, 2, Grounded},
    {"DAQ_E410", 4, 2, Simultaneous},
    {"DAQ_E430", 64, 2, Grounded},
    {"DAQ_E415", 4, 2, Simultaneous},
    {"DAQ_E460", 8, 4, Plain},
    {"DAQ_E465", 4, 8, Plain},
    {"DAQ_E445", 96, 2, Grounded},
    {"DAQ_E450", 16, 2, Grounded},
    {"DAQ_E455", 16, 2, Grounded},
    {"DAQ_E425", 4, 2, Simultaneous},
}};

const E400Card* FindE400Card(std::uint16_t cardType) {
    return cardType < E400Cards.size() ? &E400Cards[cardType] : nullptr;
}

} // namespace

const char* CardConstant(CardLine line, std::uint16_t cardType) {
    switch (line) {
    case CardLine::Classic:
        return NameAt(ClassicCards, cardType);
    case CardLine::E400:
        if (const E400Card* card = FindE400Card(cardType))
            return card->constant;
        return "";
    }
    return "";
}

std::uint16_t E400AiTableSize(std::uint16_t cardType) {
    const E400Card* card = FindE400Card(cardType);
    return card ? card->aiEntries : 0;
}

std::uint16_t E400AoTableSize(std::uint16_t cardType) {
    const E400Card* card = FindE400Card(cardType);
    return card ? card->aoEntries : 0;
}

bool IsE400Simultaneous(std::uint16_t cardType) {
    const E400Card* card = FindE400Card(cardType);
    return card && card->group == Simultaneous;
}

bool IsE400Grounded(std::uint16_t cardType) {
    const E400Card* card = FindE400Card(cardType);
    return card && card->group == Grounded;
}

} // namespace doz::generators
