#include "viruveza/wizard/card_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace doz::wizard {
namespace {

std::vector<std::string> names(int line, int card) {
    std::vector<std::string> result;
    for (const OperationChoice& choice : operationChoices(line, card))
        result.emplace_back(choice.name);
    return result;
}

std::string preselectedName(int line, int card) {
    return std::string(
        operationChoices(line, card)[static_cast<std::size_t>(preselectedOperation(line, card))].name);
}

TEST(CardChoices, CardListsOfBothLines) {
    ASSERT_EQ(cardNames(kClassicLine).size(), 28u);
    EXPECT_EQ(cardNames(kClassicLine).front(), "PCIA120");
    EXPECT_EQ(cardNames(kClassicLine)[14], "PCID260A");
    EXPECT_EQ(cardNames(kClassicLine)[25], "cPCIM650");
    EXPECT_EQ(cardNames(kClassicLine).back(), "REZE720/S710");
    ASSERT_EQ(cardNames(kE400Line).size(), 12u);
    EXPECT_EQ(cardNames(kE400Line).front(), "DAQE410");
    EXPECT_EQ(cardNames(kE400Line).back(), "DAQE465");
    EXPECT_TRUE(cardNames(2).empty());
    EXPECT_EQ(lineLabel(kClassicLine), "RIRE-ZIZEV");
    EXPECT_EQ(lineLabel(kE400Line), "R4A-ZIZEV");
}

TEST(CardChoices, ClassicOperationListsAndPreselection) {
    EXPECT_EQ(names(0, 1), (std::vector<std::string>{"Analog Output", "Digital Input", "Digital Output"}));
    EXPECT_EQ(names(0, 14), (std::vector<std::string>{"Digital Input", "Digital Output", "Counter",
                                                      "Continuous DI", "Continuous DO"}));
    EXPECT_EQ(names(0, 21), (std::vector<std::string>{"Single-Point AI", "Continuous AI", "Analog Output",
                                                      "Digital Input", "Digital Output", "Counter"}));
    EXPECT_EQ(names(0, 5), (std::vector<std::string>{"Digital Output"}));
    EXPECT_EQ(preselectedName(0, 20), "Counter");       // PCIT310
    EXPECT_EQ(preselectedName(0, 2), "Continuous DI");  // PCID210
    EXPECT_EQ(preselectedName(0, 14), "Continuous DI"); // PCID260A
    EXPECT_EQ(preselectedName(0, 23), "Continuous AI"); // PCIM630
    EXPECT_EQ(preselectedName(0, 27), "Continuous AI"); // REZE720/S710, its only entry
    EXPECT_EQ(preselectedName(0, 3), "Digital Input");
    // The codes of the classic name table.
    EXPECT_EQ(operationChoices(0, 21)[1].code, 4);
    EXPECT_EQ(operationChoices(0, 21)[5].code, 9);
    EXPECT_EQ(operationChoices(0, 3)[2].code, 8);
    EXPECT_EQ(operationChoices(0, 2)[2].code, 6);
    EXPECT_EQ(operationChoices(0, 2)[3].code, 7);
    EXPECT_TRUE(operationChoices(0, 28).empty());
    EXPECT_TRUE(operationChoices(0, -1).empty());
}

TEST(CardChoices, E400OperationLists) {
    EXPECT_EQ(names(1, 0),
              (std::vector<std::string>{"Single-Point AI", "Continuous AI", "Analog Output",
                                        "Continuous AO (Waveform)", "Digital Input", "Digital Output"}));
    for (int card = 0; card < 12; ++card) {
        EXPECT_EQ(preselectedOperation(1, card), 0);
        const auto list = operationChoices(1, card);
        if (card == 7 || card == 8) {
            ASSERT_EQ(list.size(), 4u);
            EXPECT_EQ(list[2].name, "Digital Input");
            EXPECT_EQ(list[2].code, 4);
            EXPECT_EQ(list[3].code, 5);
        } else {
            ASSERT_EQ(list.size(), 6u);
            for (std::size_t i = 0; i < list.size(); ++i)
                EXPECT_EQ(list[i].code, i);
        }
    }
}

} // namespace
} // namespace doz::wizard
