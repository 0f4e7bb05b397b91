#include "viruveza/generators/classic_analog_writers.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/data_types.h"
#include "viruveza/generators/name_lists.h"
#include "viruveza/generators/range_names.h"

namespace doz::generators {

namespace {

using namespace classic_card;

// Single-point AI: the cards that configure their input before reading it.
struct AiCard {
    std::uint16_t cardType;
    void (*writeModeConstant)(CodeWriter& writer, const DeviceSetup& record);
    const char* configCall; // followed by ErrCheck
};

void M660ModeCtrl(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define ModeCtrl  %s",
                IsClassicUnipolar(record.adRange) ? "PM660_AI_UniPolar" : "PM660_AI_BiPolar");
    writer.putf("|%s\n", record.modeFlags & 2 ? "PM660_AI_Differential" : "PM660_AI_SingEnded");
}

void M650ConfigCtrl(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define ConfigCtrl  %s",
                IsClassicUnipolar(record.adRange) ? "PM650_AI_UniPolar" : "PM650_AI_BiPolar");
    writer.putf("|%s", record.configFlags & 2 ? "PM650_AI_Differential" : "PM650_AI_SingEnded");
    writer.putf("|%s\n", record.configFlags & 1 ? "PM650_AI_UserCMMD" : "PM650_AI_LocalGND");
}

constexpr const char* M660Config = "\terr=AI_M660_Config(cardID, ModeCtrl, 0, 0, 0);\n";
constexpr const char* M650Config =
    "\terr=AI_M650_Config(cardID, ConfigCtrl, PM650_AI_SoftPolling, 0, 0, 0);\n";

constexpr std::array<AiCard, 4> AiCards = {{
    {M660DG, M660ModeCtrl, M660Config},
    {M660HG, M660ModeCtrl, M660Config},
    {M660HR, M660ModeCtrl, M660Config},
    {M650, M650ConfigCtrl, M650Config},
}};

// Analog output: the cards that configure their output before writing it.
struct AoCard {
    std::uint16_t cardType;
    void (*writeConstants)(CodeWriter& writer, const DeviceSetup& record);
    const char* configCall; // written without an error check of its own
};

constexpr std::array<const char*, 3> A120CurrentModes = {"PA120_CURRENT_0_20MA", "PA120_CURRENT_5_25MA",
                                                         "PA120_CURRENT_4_20MA"};
constexpr std::array<const char*, 3> A130CurrentModes = {"PA130_CURRENT_0_20MA", "PA130_CURRENT_5_25MA",
                                                         "PA130_CURRENT_4_20MA"};

template <const std::array<const char*, 3>& Modes>
void V2AMode(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define V2AMode\t%s\n", NameAt(Modes, record.outputMode));
}

void A130VConstants(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define DaPolarity    %s\n",
                record.outputMode == 0 ? "PA130V_AO_UNIPOLAR" : "PA130V_AO_BIPOLAR");
    writer.putf("#define DaChanGroup   %s\n", record.channel <= 3 ? "PA130V_AO_CH0_3" : "PA130V_AO_CH4_7");
    writer.putf("#define RefVoltage\t   %4.2f\n", record.level);
}

void M610Polarity(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define DaPolarity\t%s\n",
                record.outputMode == 0 ? "PM610_AO_UNIPOLAR" : "PM610_AO_BIPOLAR");
}

void M620RefVoltage(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define RefVoltage\t%4.2f\n", record.level);
}

constexpr const char* M610Config = "\terr = AO_M610_Config(cardID, DaPolarity);\n";

constexpr std::array<AoCard, 6> AoCards = {{
    {A120A, V2AMode<A120CurrentModes>, "\terr = AO_A120A_Config(cardID, V2AMode);\n"},
    {A130V, A130VConstants, "\terr = AO_A130V_Config(cardID, DaChanGroup, DaPolarity, RefVoltage);\n"},
    {A130A, V2AMode<A130CurrentModes>, "\terr = AO_A130A_Config(cardID, V2AMode);\n"},
    {M610DG, M610Polarity, M610Config},
    {M610HR, M610Polarity, M610Config},
    {M620, M620RefVoltage, "\terr = AO_M620_Config(cardID, DaChan, RefVoltage);\n"},
}};

} // namespace

WriterOutcome WriteClassicSinglePointAi(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const AiCard* card = FindCardRow(AiCards, record.cardType);
    const bool raw = record.dataFormat == 0;

    writer.beginConstants(CardNumberForm::Tab);
    writer.putf("#define ADChan\t%d\n", record.channel);
    if (card)
        card->writeModeConstant(writer, record);

    writer.beginVariables();
    if (raw)
        writer.putf("%s AdValue = 0; // returned AI value\n",
                    ClassicDataTypeName(record.cardType, DataKind::SinglePointAi));
    else
        writer.put("F64 AdVoltage = 0.0; // returned AI voltage\n");

    writer.registerCard();
    if (card) {
        writer.put(card->configCall);
        writer.errCheck();
    }
    if (raw)
        writer.putf("\terr = AI_ReadChannel(cardID, ADChan, %s, (U16 *) &AdValue);\n",
                    RangeName(record.adRange));
    else
        writer.putf("\terr = AI_VReadChannel(cardID, ADChan, %s, &AdVoltage);\n", RangeName(record.adRange));
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome WriteClassicAnalogOutput(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const AoCard* card = FindCardRow(AoCards, record.cardType);

    writer.beginConstants(CardNumberForm::Tab);
    writer.putf("#define DaChan\t%d\n", record.channel);
    if (card)
        card->writeConstants(writer, record);

    writer.beginVariables();
    writer.putf("F64 DaVoltage = %4.4f; // DA voltage\n", record.sampleRate);

    writer.registerCard();
    if (card)
        writer.put(card->configCall);
    writer.put("\terr = AO_VWriteChannel(cardID, DaChan, DaVoltage);\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
