#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/data_types.h"
#include "viruveza/generators/device_setup.h"
#include "viruveza/generators/operation_names.h"
#include "viruveza/generators/range_names.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace doz::generators {

TEST(InitialDeviceSetup, NoCardChosenAndTheWizardsChannelTables) {
    const DeviceSetup record = InitialDeviceSetup();
    EXPECT_EQ(record.cardType, 0xFFFF);
    EXPECT_EQ(record.operation, 0);
    EXPECT_EQ(record.channelCount, 0);
    EXPECT_EQ(record.sampleRate, 0.0);
    EXPECT_EQ(record.level, 0.0f);
    EXPECT_EQ(record.fileName[0], '\0');
    for (const AiChannelSetting& entry : record.aiChannels) {
        EXPECT_EQ(entry.enabled, 0u);
        EXPECT_EQ(entry.range, 1);
        EXPECT_EQ(entry.refGround, 0);
    }
    for (const AoChannelSetting& entry : record.aoChannels) {
        EXPECT_EQ(entry.enabled, 0u);
        EXPECT_EQ(entry.polarity, 1);
        EXPECT_EQ(entry.refSource, 0);
        EXPECT_EQ(entry.refVoltage, 10.0);
        EXPECT_EQ(entry.voltage, 0.0);
    }
}

TEST(CardTables, ConstantsOfBothLines) {
    EXPECT_STREQ(CardConstant(CardLine::Classic, 0), "");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 1), "PCI_A120V");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 14), "PCI_D260A_RevA");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 28), "PCI_M660HR");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 31), "PCI_D270");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 36), "PCI_D295");
    EXPECT_STREQ(CardConstant(CardLine::Classic, 37), "");
    EXPECT_STREQ(CardConstant(CardLine::Classic, NoCardChosen), "");

    EXPECT_STREQ(CardConstant(CardLine::E400, 0), "");
    EXPECT_STREQ(CardConstant(CardLine::E400, 1), "DAQ_E420");
    EXPECT_STREQ(CardConstant(CardLine::E400, 8), "DAQ_E465");
    EXPECT_STREQ(CardConstant(CardLine::E400, 12), "DAQ_E425");
    EXPECT_STREQ(CardConstant(CardLine::E400, 13), "");
    EXPECT_STREQ(CardConstant(static_cast<CardLine>(2), 1), "");
}

TEST(CardTables, E400ChannelTableSizes) {
    EXPECT_EQ(E400AiTableSize(e400_card::E420), 4);
    EXPECT_EQ(E400AiTableSize(e400_card::E435), 64);
    EXPECT_EQ(E400AiTableSize(e400_card::E445), 96);
    EXPECT_EQ(E400AiTableSize(e400_card::E450), 16);
    EXPECT_EQ(E400AiTableSize(e400_card::E460), 8);
    EXPECT_EQ(E400AoTableSize(e400_card::E460), 4);
    EXPECT_EQ(E400AoTableSize(e400_card::E465), 8);
    EXPECT_EQ(E400AoTableSize(e400_card::E425), 2);
    EXPECT_EQ(E400AiTableSize(13), 0);
    EXPECT_EQ(E400AoTableSize(NoCardChosen), 0);
}

TEST(CardTables, E400Groups) {
    const std::set<int> simultaneous = {1, 4, 6, 12};
    const std::set<int> grounded = {2, 3, 5, 9, 10, 11};
    for (std::uint16_t card = 0; card <= 13; ++card) {
        EXPECT_EQ(IsE400Simultaneous(card), simultaneous.count(card) == 1) << "card " << card;
        EXPECT_EQ(IsE400Grounded(card), grounded.count(card) == 1) << "card " << card;
    }
}

TEST(OperationNames, BothLinesAndOutsideTheTables) {
    EXPECT_STREQ(OperationName(CardLine::Classic, 0), "Single-Point AI");
    EXPECT_STREQ(OperationName(CardLine::Classic, 1), "Analog Output");
    EXPECT_STREQ(OperationName(CardLine::Classic, 5), "Continuous AO");
    EXPECT_STREQ(OperationName(CardLine::Classic, 9), "Counter");
    EXPECT_STREQ(OperationName(CardLine::Classic, 10), "");
    EXPECT_STREQ(OperationName(CardLine::E400, 1), "Continuous AI");
    EXPECT_STREQ(OperationName(CardLine::E400, 3), "Continuous AO (Waveform)");
    EXPECT_STREQ(OperationName(CardLine::E400, 6), "General Purpose Timer/Counter");
    EXPECT_STREQ(OperationName(CardLine::E400, 7), "");
}

TEST(RangeNames, CodesAndTheClassicUnipolarRule) {
    EXPECT_STREQ(RangeName(0), "");
    EXPECT_STREQ(RangeName(1), "AD_B_10_V");
    EXPECT_STREQ(RangeName(6), "AD_B_0_3125_V");
    EXPECT_STREQ(RangeName(9), "AD_B_0_005_V");
    EXPECT_STREQ(RangeName(13), "AD_B_0_001_V");
    EXPECT_STREQ(RangeName(14), "AD_U_20_V");
    EXPECT_STREQ(RangeName(18), "AD_U_1_25_V");
    EXPECT_STREQ(RangeName(22), "AD_U_0_001_V");
    EXPECT_STREQ(RangeName(23), "");
    EXPECT_FALSE(IsClassicUnipolar(0));
    EXPECT_FALSE(IsClassicUnipolar(13));
    EXPECT_TRUE(IsClassicUnipolar(14));
    EXPECT_TRUE(IsClassicUnipolar(22));
}

// The data-type table transcribed row by row: AI, cont AI, AO, cont AO, DI, cont DI, DO, cont DO.
TEST(ClassicDataTypes, EveryCardAndKind) {
    struct Row {
        std::uint16_t card;
        std::array<const char*, 8> types;
    };
    const std::array<Row, 37> rows = {{
        {0, {"", "", "", "", "", "", "", ""}},
        {1, {"", "", "I16", "", "U8", "", "U8", ""}},
        {2, {"", "", "I16", "", "U8", "", "U8", ""}},
        {3, {"", "", "U16", "", "U8", "", "U8", ""}},
        {4, {"", "", "U16", "", "U8", "", "U8", ""}},
        {5, {"", "", "", "", "U32", "U32", "U32", "U32"}},
        {6, {"", "", "", "", "U16", "", "U16", ""}},
        {7, {"", "", "", "", "U32", "", "", ""}},
        {8, {"", "", "", "", "", "", "U32", ""}},
        {9, {"", "", "", "", "U8", "", "U8", ""}},
        {10, {"", "", "", "", "U8", "", "U8", ""}},
        {11, {"", "", "", "", "U8", "", "U8", ""}},
        {12, {"", "", "", "", "U16", "", "U16", ""}},
        {13, {"", "", "", "", "U8", "", "U8", ""}},
        {14, {"", "", "", "", "U8", "U32", "U8", "U32"}},
        {15, {"", "", "", "", "U8", "U32", "U8", "U32"}},
        {16, {"", "", "", "", "U32", "", "U32", ""}},
        {17, {"", "", "", "", "U32", "", "U32", ""}},
        {18, {"", "", "", "", "U32", "", "U32", ""}},
        {19, {"", "", "", "", "U8", "", "U8", ""}},
        {20, {"I16", "I16", "U16", "", "U16", "", "U16", ""}},
        {21, {"I16", "I16", "U16", "", "U16", "", "U16", ""}},
        {22, {"U16", "U16", "U16", "", "U16", "", "U16", ""}},
        {23, {"U16", "U32", "U16", "", "", "", "", ""}},
        {24, {"I16", "U32", "U16", "", "U16", "", "U16", ""}},
        {25, {"I16", "U32", "U16", "", "U16", "", "U16", ""}},
        {26, {"U16", "U16", "U16", "", "U8", "", "U8", ""}},
        {27, {"U16", "U16", "U16", "", "U8", "", "U8", ""}},
        {28, {"I16", "I16", "U16", "", "U8", "", "U8", ""}},
        {29, {"", "I16", "", "", "", "", "", ""}},
        {30, {"", "I16", "", "", "", "", "", ""}},
        {31, {"", "", "", "", "U32", "", "U32", ""}},
        {32, {"I16", "I16", "", "", "U8", "", "U8", ""}},
        {33, {"", "", "", "", "U16", "", "U16", ""}},
        {34, {"", "", "", "", "U16", "", "U16", ""}},
        {35, {"", "", "", "", "U16", "", "U16", ""}},
        {36, {"", "", "", "", "U32", "", "U32", ""}},
    }};
    for (const Row& row : rows) {
        for (std::size_t kind = 0; kind < row.types.size(); ++kind)
            EXPECT_STREQ(ClassicDataTypeName(row.card, static_cast<DataKind>(kind)), row.types[kind])
                << "card " << row.card << ", kind " << kind;
    }
    EXPECT_STREQ(ClassicDataTypeName(37, DataKind::DiValue), "");
    EXPECT_STREQ(ClassicDataTypeName(NoCardChosen, DataKind::SinglePointAi), "");
}

} // namespace doz::generators
