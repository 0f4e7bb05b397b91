#include "viruveza/wizard/plain_page_model.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/wizard/card_choices.h"

#include <gtest/gtest.h>

namespace doz::wizard {
namespace {

TEST(PlainPageModel, FinishesWithTheChoiceAndTheFirstSubType) {
    PlainPageModel model;
    model.enter({kClassicLine, 1, 1, true}); // PCIA130, Analog Output
    EXPECT_EQ(model.record().operation, 1);
    EXPECT_EQ(model.record().cardType, generators::NoCardChosen);
    EXPECT_FALSE(model.finishProblem());
    model.complete();
    EXPECT_EQ(model.record().cardType, generators::classic_card::A130V);
    EXPECT_EQ(model.record().cardNumber, 0);
    EXPECT_EQ(model.record().channelCount, 1);
    EXPECT_EQ(model.record().aoChannels[3].refVoltage, 10.0);
    EXPECT_EQ(model.record().aiChannels[5].range, 1);
}

TEST(PlainPageModel, DefaultCardTypesOfBothLists) {
    EXPECT_EQ(defaultCardType(kClassicLine, 0), generators::classic_card::A120V);
    EXPECT_EQ(defaultCardType(kClassicLine, 6), generators::classic_card::D230);
    EXPECT_EQ(defaultCardType(kClassicLine, 15), generators::classic_card::D270);
    EXPECT_EQ(defaultCardType(kClassicLine, 21), generators::classic_card::M610DG);
    EXPECT_EQ(defaultCardType(kClassicLine, 25), generators::classic_card::M650);
    EXPECT_EQ(defaultCardType(kClassicLine, 27), generators::classic_card::S720);
    EXPECT_EQ(defaultCardType(kE400Line, 0), generators::e400_card::E410);
    EXPECT_EQ(defaultCardType(kE400Line, 3), generators::e400_card::E425);
    EXPECT_EQ(defaultCardType(kE400Line, 11), generators::e400_card::E465);
    EXPECT_EQ(defaultCardType(kE400Line, 12), generators::NoCardChosen);
    EXPECT_EQ(defaultCardType(kClassicLine, -1), generators::NoCardChosen);
}

} // namespace
} // namespace doz::wizard
