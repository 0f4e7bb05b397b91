#include "viruveza/generators/e400_single_point_writers.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"

#include <array>

namespace doz::generators {

namespace {

using namespace e400;

// How a card puts out its AO voltages.
enum class AoOutput : std::uint8_t {
    Channels,    // channel calls: R4A_AO_VWriteChannel, or R4A_AO_VoltScale and R4A_AO_SimuWriteChannel
    FixedGroup,  // group calls on group A (E460)
    ChosenGroup, // group calls on the group the channels fall in, kept in DAGroup (E465)
};

struct AoCard {
    std::uint16_t cardType;
    AoOutput output;
    const char* group; // the group argument of the group calls
};

constexpr std::array<AoCard, 2> GroupOutputCards = {{
    {e400_card::E460, AoOutput::FixedGroup, "DA_Group_A"},
    {e400_card::E465, AoOutput::ChosenGroup, "DAGroup"},
}};

constexpr AoCard ChannelOutputCard = {0, AoOutput::Channels, ""};

const AoCard& AoCardOf(std::uint16_t cardType) {
    const AoCard* card = FindCardRow(GroupOutputCards, cardType);
    return card ? *card : ChannelOutputCard;
}

void WriteSeveralAiChannels(CodeWriter& writer, const ChannelList& list) {
    const DeviceSetup& record = writer.record();
    const bool raw = record.dataFormat == 0;
    writer.putf("#define chanCnt\t%d\n", record.channelCount);
    writer.beginVariables();
    writer.putf("%s  chans[chanCnt]; // AI channels array\n", "U16");
    if (record.channelPattern == ConsecutiveAlike)
        writer.put("U16 startChannel = 0;\n");
    writer.put("U16 vi = 0;\n");
    // The raw values are read in both formats, so their array is always declared.
    writer.putf("%s AdValArray[chanCnt]; // returned AI value\n", "I16");
    if (!raw)
        writer.put("F64 AdVoltArray[chanCnt]; // returned AI voltage\n");

    writer.registerCard();
    WriteAiChannelConfig(writer, list, "chanCnt");
    writer.put(IsE400Simultaneous(record.cardType)
                   ? "\terr = R4A_AI_SimuReadChannel(cardID, chanCnt, chans, AdValArray);\n"
                   : "\terr = R4A_AI_ScanReadChannels(cardID, chanCnt, chans, AdValArray);\n");
    writer.errCheck();
    if (!raw) {
        if (record.channelPattern == EachChannelSet && list.mixedSettings) {
            // Each channel converts its own element of the scan (position k in the list).
            for (std::size_t k = 0; k < list.channels.size(); ++k) {
                writer.putf("\terr = R4A_AI_VoltScale(cardID, %s, AdValArray[%zu], &AdVoltArray[%zu]);\n",
                            AiRangeName(record, list.channels[k]), k, k);
                writer.negCheck();
            }
        } else {
            writer.put("\tfor(vi=0; vi<chanCnt; vi++) {\n");
            writer.putf("\t       err = R4A_AI_VoltScale(cardID, %s, AdValArray[vi], &AdVoltArray[vi]);\n",
                        AiRangeName(record, list.channels.front()));
            writer.loopNegCheck();
            writer.put("\t}\n");
        }
    }
    writer.releaseCard();
}

void WriteOneAiChannel(CodeWriter& writer, const ChannelList& list) {
    const DeviceSetup& record = writer.record();
    const bool raw = record.dataFormat == 0;
    writer.putf("#define ADChan\t%d\n", record.channel);
    writer.beginVariables();
    if (raw)
        writer.putf("%s AdValue = 0; // returned AI value\n", "I16");
    else
        writer.put("F64 AdVoltage = 0.0; // returned AI voltage\n");

    writer.registerCard();
    WriteAiChannelConfig(writer, list, "chanCnt");
    writer.put(raw ? "\terr = R4A_AI_ReadChannel(cardID, ADChan, (U16 *) &AdValue);\n"
                   : "\terr = R4A_AI_VReadChannel(cardID, ADChan, &AdVoltage);\n");
    writer.errCheck();
    writer.releaseCard();
}

// The E465 picks the group from the first and last configured channels.
void WriteGroupChoice(CodeWriter& writer) {
    writer.put("\tif(chans[DAChanCount-1]<4)\n");
    writer.put("\t    DAGroup = DA_Group_A;\n");
    writer.put("\telse if(chans[0]>3)\n");
    writer.put("\t    DAGroup = DA_Group_B;\n");
    writer.put("\telse if((chans[0]<4) && (chans[DAChanCount-1]>3))\n");
    writer.put("\t    DAGroup = DA_Group_AB;\n");
}

void WriteOneAoOutput(CodeWriter& writer, const AoCard& card) {
    switch (card.output) {
    case AoOutput::ChosenGroup:
        writer.put("\t//DA group assign\n");
        writer.put("\tif(DaChan<4)\n");
        writer.put("\t    DAGroup = DA_Group_A;\n");
        writer.put("\telse\n");
        writer.put("\t    DAGroup = DA_Group_B;\n");
        [[fallthrough]];
    case AoOutput::FixedGroup:
        // The channel is a constant: the group takes its address through a compound literal.
        writer.putf("\terr = R4A_AO_Group_Setup(cardID, %s, 1, &(U16){DaChan});\n", card.group);
        writer.errCheck();
        writer.putf("\terr = R4A_AO_Group_VUpdate(cardID, %s, &DaVoltage);\n", card.group);
        break;
    case AoOutput::Channels:
        writer.put("\terr = R4A_AO_VWriteChannel(cardID, DaChan, DaVoltage);\n");
        break;
    }
    writer.errCheck();
}

void WriteSeveralAoOutputs(CodeWriter& writer, const AoCard& card, const ChannelList& list) {
    const DeviceSetup& record = writer.record();
    if (card.output == AoOutput::Channels) {
        for (std::size_t k = 0; k < list.channels.size(); ++k) {
            writer.putf("\tDaVoltages[%zu] = %4.4f;\n", k, AoVoltage(record, list.channels[k]));
            writer.putf("\terr = R4A_AO_VoltScale(cardID, chans[%zu], DaVoltages[%zu], &DaValues[%zu]);\n", k,
                        k, k);
            writer.negCheck();
        }
        writer.put("\terr = R4A_AO_SimuWriteChannel (cardID, DAChanCount, DaValues);\n");
    } else {
        writer.putf("\terr = R4A_AO_Group_Setup(cardID, %s, DAChanCount, chans);\n", card.group);
        writer.errCheck();
        for (std::size_t k = 0; k < list.channels.size(); ++k)
            writer.putf("\tDaVoltages[%zu] = %4.4f;\n", k, AoVoltage(record, list.channels[k]));
        writer.putf("\terr = R4A_AO_Group_VUpdate(cardID, %s, DaVoltages);\n", card.group);
    }
    writer.errCheck();
}

const char* PortName(const DeviceSetup& record) {
    return NameAt(PortNames, record.channel);
}

// The port, its direction and, for line access, the line.
void WritePortConstants(CodeWriter& writer, const char* port, const char* line, const char* direction) {
    const DeviceSetup& record = writer.record();
    writer.putf("#define %s\t%s\n", port, PortName(record));
    writer.putf("#define Direction\t%s\n", direction);
    if (record.dataFormat == 1)
        writer.putf("#define %s\t%d\n", line, record.channelCount);
}

} // namespace

WriterOutcome WriteE400SinglePointAi(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const ChannelList list = NormaliseAiChannels(record, E400AiTableSize(record.cardType));
    if (list.channels.empty())
        return WriterOutcome::Nothing(NoEnabledChannel);

    writer.beginConstants(CardNumberForm::Tab);
    if (record.channelCount == 1)
        WriteOneAiChannel(writer, list);
    else
        WriteSeveralAiChannels(writer, list);
    return WriterOutcome::Written();
}

WriterOutcome WriteE400AnalogOutput(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const ChannelList list = NormaliseAoChannels(record, E400AoTableSize(record.cardType));
    if (list.channels.empty())
        return WriterOutcome::Nothing(NoEnabledChannel);
    const AoCard& card = AoCardOf(record.cardType);
    const bool one = record.channelCount == 1;

    writer.beginConstants(CardNumberForm::Spaces);
    if (one)
        writer.putf("#define DaChan\t     %d\n", record.channel);
    else
        writer.putf("#define DAChanCount  %d\n", record.channelCount);

    writer.beginVariables();
    if (one) {
        writer.putf("F64 DaVoltage = %4.4f; // DA voltage\n", AoVoltage(record, record.channel));
    } else {
        writer.putf("%s  chans[DAChanCount]; // AI channels array\n", "U16");
        writer.put("F64 DaVoltages[DAChanCount]; // DA voltages\n");
        if (card.output == AoOutput::Channels)
            writer.put("U16 DaValues[DAChanCount]; // DA values\n");
    }
    if (card.output == AoOutput::ChosenGroup)
        writer.put("U16 DAGroup = 0; // DA group\n");
    if (record.channelPattern == ConsecutiveAlike)
        writer.put("U16 startChannel = 0;\n");
    writer.put("U16 vi = 0;\n");

    writer.registerCard();
    WriteAoChannelConfig(writer, list.channels, {"DaChan", false});
    if (one) {
        WriteOneAoOutput(writer, card);
    } else {
        if (card.output == AoOutput::ChosenGroup) {
            if (record.channelPattern == AllLikeFirst)
                writer.put("\tDAGroup = DA_Group_AB;\n");
            else
                WriteGroupChoice(writer);
        }
        WriteSeveralAoOutputs(writer, card, list);
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome WriteE400DigitalInput(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    writer.beginConstants(CardNumberForm::Tab);
    WritePortConstants(writer, "DIPort", "DILine", "INPUT_PORT");
    writer.beginVariables();
    writer.putf("%s DIValue = 0; // returned DI value\n", "U16");

    writer.registerCard();
    writer.put("\terr = R4A_DIO_PortConfig(cardID, DIPort, Direction);\n");
    writer.put(record.dataFormat == 0 ? "\terr = R4A_DI_ReadPort(cardID, DIPort, (U16 *) &DIValue);\n"
                                      : "\terr = R4A_DI_ReadLine(cardID, DIPort, DILine, &DIValue);\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome WriteE400DigitalOutput(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const bool port = record.dataFormat == 0;
    writer.beginConstants(CardNumberForm::Tab);
    WritePortConstants(writer, "DOPort", "DOLine", "OUTPUT_PORT");
    writer.beginVariables();
    writer.putf("%s DOValue = %u; // DO value\n", "U16", record.scanInterval);
    if (record.syncMode)
        writer.putf("%s DORbVal = 0; // DO read back value\n", "U16");

    writer.registerCard();
    writer.put("\terr = R4A_DIO_PortConfig(cardID, DOPort, Direction);\n");
    writer.errCheck();
    writer.put(port ? "\terr = R4A_DO_WritePort(cardID, DOPort, DOValue);\n"
                    : "\terr = R4A_DO_WriteLine(cardID, DOPort, DOLine, DOValue);\n");
    writer.errCheck();
    if (record.syncMode) {
        writer.put(port ? "\terr = R4A_DO_ReadPort(cardID, DOPort, &DORbVal);\n"
                        : "\terr = R4A_DO_ReadLine(cardID, DOPort, DOLine, &DORbVal);\n");
        writer.errCheck();
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
