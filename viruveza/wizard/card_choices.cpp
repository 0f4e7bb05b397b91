#include "viruveza/wizard/card_choices.h"

#include <array>
#include <vector>

namespace doz::wizard {

namespace {

constexpr std::array<std::string_view, 2> kLineLabels = {"RIRE-ZIZEV", "R4A-ZIZEV"};

constexpr std::array<std::string_view, 28> kClassicCards = {
    "PCIA120",  "PCIA130", "PCID210", "PCID220", "PCID223",  "PCID224", "PCID230",
    "PCID231",  "PCID235", "PCID237", "PCID240", "PCID242",  "PCID245", "PCID250",
    "PCID260A", "PCID270", "PCID280", "PCID281", "PCID282",  "PCID295", "PCIT310",
    "PCIM610",  "PCIM620", "PCIM630", "PCIM640", "cPCIM650", "PCIM660", "REZE720/S710",
};

constexpr std::array<std::string_view, 12> kE400Cards = {
    "DAQE410", "DAQE415", "DAQE420", "DAQE425", "DAQE430", "DAQE435",
    "DAQE440", "DAQE445", "DAQE450", "DAQE455", "DAQE460", "DAQE465",
};

// The classic name table; an entry's position is its operation index.
constexpr std::array<OperationChoice, 9> kClassicOperations = {{
    {"Single-Point AI", 0},
    {"Continuous AI", 4},
    {"Analog Output", 1},
    {"Digital Input", 2},
    {"Digital Output", 3},
    {"Counter", 9},
    {"Interrupt Event", 8},
    {"Continuous DI", 6},
    {"Continuous DO", 7},
}};

enum ClassicOp : std::uint8_t { SpAi, ContAi, Ao, Di, Do, Ctr, Int, ContDi, ContDo };

struct ClassicCardRow {
    std::vector<ClassicOp> operations;
    int preselected;
};

// One row per classic card, in card list order.
const std::array<ClassicCardRow, 28>& classicRows() {
    static const std::array<ClassicCardRow, 28> rows = {{
        {{Ao, Di, Do}, 0},                    // PCIA120
        {{Ao, Di, Do}, 0},                    // PCIA130
        {{Di, Do, ContDi, ContDo}, 2},        // PCID210
        {{Di, Do, Int}, 0},                   // PCID220
        {{Di, Int}, 0},                       // PCID223
        {{Do}, 0},                            // PCID224
        {{Di, Do, Ctr, Int}, 0},              // PCID230
        {{Di, Do, Ctr, Int}, 0},              // PCID231
        {{Di, Do}, 0},                        // PCID235
        {{Di, Do}, 0},                        // PCID237
        {{Di, Do, Int}, 0},                   // PCID240
        {{Di, Do, Int}, 0},                   // PCID242
        {{Di, Do, Int}, 0},                   // PCID245
        {{Di, Do, Ctr, Int}, 0},              // PCID250
        {{Di, Do, Ctr, ContDi, ContDo}, 3},   // PCID260A
        {{Di, Do, Ctr, Int}, 0},              // PCID270
        {{Di, Do, Int}, 0},                   // PCID280
        {{Di, Int}, 0},                       // PCID281
        {{Do}, 0},                            // PCID282
        {{Di, Do, Int}, 0},                   // PCID295
        {{Di, Do, Ctr, Int}, 2},              // PCIT310
        {{SpAi, ContAi, Ao, Di, Do, Ctr}, 1}, // PCIM610
        {{SpAi, ContAi, Ao, Di, Do, Ctr}, 1}, // PCIM620
        {{SpAi, ContAi, Ctr}, 1},             // PCIM630
        {{SpAi, ContAi, Di, Do, Ctr}, 1},     // PCIM640
        {{SpAi, ContAi, Di, Do}, 1},          // cPCIM650
        {{SpAi, ContAi, Ao, Di, Do, Ctr}, 1}, // PCIM660
        {{ContAi}, 0},                        // REZE720/S710
    }};
    return rows;
}

// The classic lists resolved to names and codes once.
const std::array<std::vector<OperationChoice>, 28>& classicChoices() {
    static const std::array<std::vector<OperationChoice>, 28> choices = [] {
        std::array<std::vector<OperationChoice>, 28> lists;
        for (std::size_t card = 0; card < lists.size(); ++card)
            for (ClassicOp op : classicRows()[card].operations)
                lists[card].push_back(kClassicOperations[op]);
        return lists;
    }();
    return choices;
}

// E400: the position in the full list is the operation code.
constexpr std::array<OperationChoice, 6> kE400Operations = {{
    {"Single-Point AI", 0},
    {"Continuous AI", 1},
    {"Analog Output", 2},
    {"Continuous AO (Waveform)", 3},
    {"Digital Input", 4},
    {"Digital Output", 5},
}};

// DAQE445 and DAQE450 offer no analog output.
constexpr std::array<OperationChoice, 4> kE400InputOnlyOperations = {{
    {"Single-Point AI", 0},
    {"Continuous AI", 1},
    {"Digital Input", 4},
    {"Digital Output", 5},
}};

bool isE400InputOnly(int cardIndex) {
    return cardIndex == 7 || cardIndex == 8;
}

bool validCard(int line, int cardIndex) {
    return cardIndex >= 0 && static_cast<std::size_t>(cardIndex) < cardNames(line).size();
}

} // namespace

std::string_view lineLabel(int line) {
    return line == kClassicLine || line == kE400Line ? kLineLabels[static_cast<std::size_t>(line)] : "";
}

std::span<const std::string_view> cardNames(int line) {
    switch (line) {
    case kClassicLine:
        return kClassicCards;
    case kE400Line:
        return kE400Cards;
    default:
        return {};
    }
}

std::span<const OperationChoice> operationChoices(int line, int cardIndex) {
    if (!validCard(line, cardIndex))
        return {};
    if (line == kClassicLine)
        return classicChoices()[static_cast<std::size_t>(cardIndex)];
    if (isE400InputOnly(cardIndex))
        return kE400InputOnlyOperations;
    return kE400Operations;
}

int preselectedOperation(int line, int cardIndex) {
    if (line == kClassicLine && validCard(line, cardIndex))
        return classicRows()[static_cast<std::size_t>(cardIndex)].preselected;
    return 0;
}

} // namespace doz::wizard
