#include "viruveza/wizard/wizard_routes.h"

#include "viruveza/wizard/card_choices.h"

#include <gtest/gtest.h>

namespace doz::wizard {
namespace {

TEST(WizardRoutes, SevenSlotsInTheirFixedOrder) {
    const auto slots = pageSlots();
    ASSERT_EQ(slots.size(), 7u);
    EXPECT_EQ(slots[0].title, "Code Generator");
    EXPECT_EQ(slots[1].className, "CWizCardCfg");
    EXPECT_EQ(slots[1].title, "AI Polling/ContOP Configuration");
    EXPECT_EQ(slots[2].title, "AO Configuration");
    EXPECT_EQ(slots[3].title, "DIO/CTR Configuration");
    EXPECT_EQ(slots[4].title, "DAQ-E400 Continuous AI/AO configuration");
    EXPECT_EQ(slots[5].title, "Property Page");
    EXPECT_EQ(slots[6].className, "CWizWaveformConfig");
    EXPECT_EQ(slots[6].title, "DAQ-E465 Waveform");
}

// Every operation a card offers leads to the page the routing table names.
TEST(WizardRoutes, EveryOfferedChoiceOfBothLines) {
    for (int card = 0; card < 28; ++card)
        for (const OperationChoice& choice : operationChoices(kClassicLine, card)) {
            int expected = 1;
            if (choice.code == 1)
                expected = 2;
            else if (choice.code == 2 || choice.code == 3 || choice.code == 8 || choice.code == 9)
                expected = 3;
            EXPECT_EQ(parameterPageFor(kClassicLine, choice.code, card), expected)
                << "classic card " << card << " " << choice.name;
        }
    for (int card = 0; card < 12; ++card)
        for (const OperationChoice& choice : operationChoices(kE400Line, card)) {
            int expected = 4;
            if (choice.code == 2)
                expected = 5;
            else if (choice.code == 3 && card == 11)
                expected = 6;
            else if (choice.code == 4 || choice.code == 5)
                expected = 3;
            EXPECT_EQ(parameterPageFor(kE400Line, choice.code, card), expected)
                << "E400 card " << card << " " << choice.name;
        }
}

TEST(WizardRoutes, CodesNotOfferedAndOtherLines) {
    EXPECT_EQ(parameterPageFor(kClassicLine, 5, 21), 1);
    EXPECT_EQ(parameterPageFor(kE400Line, 6, 0), 3);
    EXPECT_EQ(parameterPageFor(kE400Line, 3, 10), 4);
    EXPECT_EQ(parameterPageFor(kE400Line, 99, 0), 4);
    EXPECT_EQ(parameterPageFor(2, 0, 0), std::nullopt);
    EXPECT_EQ(parameterPageFor(-1, 1, 0), std::nullopt);
}

} // namespace
} // namespace doz::wizard
