#include "viruveza/generators/e400_channel_config.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/e400_names.h"
#include "viruveza/generators/range_names.h"

#include <cstdio>

namespace doz::generators::e400 {

namespace {

// Codes that name nothing, for entries beyond the tables.
constexpr AiChannelSetting EntryBeyondAiTable{0, 0, 0xFFFF};

bool OneChannel(const DeviceSetup& record) {
    return record.channelCount == 1;
}

} // namespace

AiChannelSetting AiEntry(const DeviceSetup& record, std::size_t channel) {
    return channel < AiChannelEntries ? record.aiChannels[channel] : EntryBeyondAiTable;
}

const char* AiRangeName(const DeviceSetup& record, std::size_t channel) {
    return RangeName(AiEntry(record, channel).range);
}

std::string AiConfigArgument(const DeviceSetup& record, std::size_t channel) {
    const AiChannelSetting entry = AiEntry(record, channel);
    std::string argument = RangeName(entry.range);
    if (IsE400Grounded(record.cardType))
        argument.append("|").append(NameAt(AiGroundNames, entry.refGround));
    return argument;
}

void WriteAiChannelConfig(CodeWriter& writer, const ChannelList& list, const char* countName) {
    const DeviceSetup& record = writer.record();
    const std::uint16_t first = list.channels.front();
    if (OneChannel(record)) {
        writer.putf("\n\terr = R4A_AI_CH_Config(cardID, ADChan, %s);\n",
                    AiConfigArgument(record, first).c_str());
        writer.negCheck();
        return;
    }
    switch (record.channelPattern) {
    case AllLikeFirst:
        writer.putf("\n\terr = R4A_AI_CH_Config(cardID, All_Channels, %s);\n",
                    AiConfigArgument(record, 0).c_str());
        writer.negCheck();
        writer.putf("\tfor(vi=0; vi<%s; vi++)\n", countName);
        writer.put("\t       chans[vi] = vi;\n");
        return;
    case ConsecutiveAlike:
        writer.putf("\tstartChannel = %d;\n", first);
        writer.putf("\tfor(vi=0; vi<%s; vi++) {\n", countName);
        writer.put("\t       chans[vi] = vi + startChannel;\n");
        writer.putf("\t       err = R4A_AI_CH_Config(cardID, chans[vi], %s);\n",
                    AiConfigArgument(record, first).c_str());
        writer.loopNegCheck();
        writer.put("\t}\n");
        return;
    default:
        for (std::size_t k = 0; k < list.channels.size(); ++k) {
            writer.putf("\tchans[%zu] = %d;\n", k, list.channels[k]);
            writer.putf("\terr = R4A_AI_CH_Config(cardID, chans[%zu], %s);\n", k,
                        AiConfigArgument(record, list.channels[k]).c_str());
            writer.negCheck();
        }
        return;
    }
}

std::string AoSettings(const DeviceSetup& record, std::size_t channel) {
    if (channel >= AoChannelEntries)
        return ", , 0.00";
    const AoChannelSetting& entry = record.aoChannels[channel];
    char voltage[64];
    std::snprintf(voltage, sizeof voltage, "%4.2f", entry.refVoltage);
    return std::string(entry.polarity ? "DOZU4R_DA_BiPolar" : "DOZU4R_DA_UniPolar") + ", " +
           (entry.refSource ? "DOZU4R_DA_Ext_REF" : "DOZU4R_DA_Int_REF") + ", " + voltage;
}

double AoVoltage(const DeviceSetup& record, std::size_t channel) {
    return channel < AoChannelEntries ? record.aoChannels[channel].voltage : 0.0;
}

void WriteAoChannelConfig(CodeWriter& writer, std::span<const std::uint16_t> channels, AoConfigForm form) {
    const DeviceSetup& record = writer.record();
    const std::uint16_t first = channels.front();
    if (OneChannel(record)) {
        writer.putf("\n\terr = R4A_AO_CH_Config(cardID, %s, %s);\n", form.channelConstant,
                    AoSettings(record, first).c_str());
        writer.negCheck();
        return;
    }
    switch (record.channelPattern) {
    case AllLikeFirst:
        writer.putf("\terr = R4A_AO_CH_Config(cardID, All_Channels, %s);\n", AoSettings(record, 0).c_str());
        writer.negCheck();
        writer.put("\tfor(vi=0; vi<DAChanCount; vi++)\n");
        writer.put("\t       chans[vi] = vi;\n");
        return;
    case ConsecutiveAlike:
        if (form.zeroStartNeedsNoOffset && first == 0) {
            writer.put("\tfor(vi=0; vi<DAChanCount; vi++) {\n");
            writer.put("\t       chans[vi] = vi;\n");
        } else {
            writer.putf("\tstartChannel = %d;\n", first);
            writer.put("\tfor(vi=0; vi<DAChanCount; vi++) {\n");
            writer.put("\t       chans[vi] = vi + startChannel;\n");
        }
        writer.putf("\t       err = R4A_AO_CH_Config(cardID, chans[vi], %s);\n",
                    AoSettings(record, first).c_str());
        writer.loopNegCheck();
        writer.put("\t}\n");
        return;
    default:
        for (std::size_t k = 0; k < channels.size(); ++k) {
            writer.putf("\tchans[%zu] = %d;\n", k, channels[k]);
            writer.putf("\terr = R4A_AO_CH_Config(cardID, chans[%zu], %s);\n", k,
                        AoSettings(record, channels[k]).c_str());
            writer.negCheck();
        }
        return;
    }
}

void IndentedCheck(CodeWriter& writer, const char* condition, int outer, int inner) {
    writer.putf("\t%*sif (%s) {\n", outer, "", condition);
    writer.putf("\t%*s//Error occurs !!\n", inner, "");
    writer.putf("\t%*s//ToDo : Handle error here\n", inner, "");
    writer.putf("\t%*s}\n", outer, "");
}

} // namespace doz::generators::e400
