#include "viruveza/generators/e400_continuous_ao_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/e400_analog_trigger.h"
#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"
#include "viruveza/generators/e400_waveform_parts.h"

#include <array>

namespace doz::generators {

namespace {

using namespace e400;

// How a card drives its outputs: the E460 as group A with the group waveform calls, every other
// card with the channel calls.
struct WaveformCard {
    std::uint16_t cardType;
    std::uint16_t aoEntries; // AO table entries the channel selection scans
    bool groupCalls;
    const char* fstopType;
    const char* composeGroup;
    std::uint16_t writeSourceMask; // the bits of `trigSource` that name the write source
    const char* asyncCheck;
    const char* checkName; // for the comment on external write sources
    const char* clearName;
    const char* stopCall;
};

constexpr std::array<WaveformCard, 1> GroupCards = {{
    {e400_card::E460, 4, true, "U8", "DA_Group_A", 0x3,
     "\t       R4A_AO_Group_WFM_AsyncCheck(cardID, DA_Group_A, &fstop, &WriteCnt);\n",
     "R4A_AO_Group_WFM_AsyncCheck", "R4A_AO_Group_WFM_AsyncClear",
     "\terr = R4A_AO_Group_WFM_AsyncClear(cardID, DA_Group_A, &WriteCnt, StopMode);\n"},
}};

constexpr WaveformCard ChannelCard = {
    0,
    2,
    false,
    "BOOLEAN",
    "0",
    0xFFFF,
    "\t       R4A_AO_AsyncCheck(cardID, &fstop, &WriteCnt);\n",
    "R4A_AO_AsyncCheck",
    "R4A_AO_AsyncClear",
    "\terr = R4A_AO_AsyncClear(cardID, &WriteCnt, StopMode);\n",
};

const WaveformCard& CardOf(std::uint16_t cardType) {
    const WaveformCard* card = FindCardRow(GroupCards, cardType);
    return card ? *card : ChannelCard;
}

struct Waveform {
    const WaveformCard& card;
    bool one;
    std::uint16_t first;
    bool definite;
    bool doubleBuffer;
    bool volts;
};

// The write source, trigger and delay constants of the cards driven by channel calls.
void WriteChannelConfigConstants(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const std::uint16_t flags = record.trigFlags;
    writer.putf("#define ConfigCtrl    %s\n", NameAt(ChannelWriteSourceNames, record.trigSource));
    writer.putf("#define TrigCtrl       %s|", AoTriggerSourceNames[flags & 0x3u]);
    const char* edge = AoEdgeName(flags);
    const bool delayMode = flags & AoDelayModeBit;
    if (delayMode) {
        writer.putf("%s|", "DOZU4R_DA_TRGMOD_DELAY");
        if (edge)
            writer.putf("%s|", edge);
        writer.putf("%s", flags & AoDelay1InUpdatesBit ? "DOZU4R_DA_Dly1InUI" : "DOZU4R_DA_Dly1InTimebase");
    } else {
        writer.putf("%s", "DOZU4R_DA_TRGMOD_POST");
        if (edge)
            writer.putf("|%s", edge);
    }
    if (flags & AoDelay2Bit) {
        writer.putf("|%s", "DOZU4R_DA_DLY2En");
        writer.putf("|%s", flags & AoDelay2InUpdatesBit ? "DOZU4R_DA_Dly2InUI" : "DOZU4R_DA_Dly2InTimebase");
    }
    if (flags & AoRetriggerBit) {
        writer.putf("|%s\n", "DOZU4R_DA_ReTrigEn");
        writer.putf("#define ReTrgCnt  %d\n", record.reTrigCount);
    } else {
        writer.putf("\n#define ReTrgCnt  %d\n", 0);
    }
    if (delayMode)
        writer.putf("#define DlyScans    %d\n", record.postCount);
    writer.putf("#define Dly2Count  %d\n", flags & AoDelay2Bit ? record.mCount : 0);
}

void WriteConstants(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    writer.beginConstants(CardNumberForm::Spaces);
    if (waveform.one)
        writer.putf("#define DAChan\t     %d\n", record.channel);
    else
        writer.putf("#define DAChanCount  %d\n", record.channelCount);
    writer.putf("#define UpdateCount    %lu\n", static_cast<unsigned long>(record.scanCount));
    writer.putf("#define CHUI     %u\n", record.scanInterval);
    writer.put(waveform.definite ? "#define Definite     1\n" : "#define Indefinite   0\n");
    writer.putf("#define Iteration     %d\n", record.burstCount);
    writer.put("\n//DA config constants definition\n");
    if (waveform.card.groupCalls)
        WriteGroupConfigConstants(writer,
                                  {"", "DA_Group_A", GroupWriteSourceNames, record.trigSource,
                                   record.trigFlags, record.reTrigCount, record.postCount, record.mCount});
    else
        WriteChannelConfigConstants(writer);
    if (AnalogTriggerWanted(record, record.trigFlags))
        WriteAnalogTriggerConstants(writer, waveform.first, ChannelTriggerInputs::Named);
    writer.putf("#define BufAutoReset    %d\n", record.outputMode);
    writer.putf("\n#define StopMode    %s\n", StopModeName(record.terminator));
}

void WriteVariables(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    const std::uint32_t bufferSize = std::uint32_t{record.channelCount} * record.scanCount;
    writer.beginVariables();
    if (!waveform.one)
        writer.putf("%s  chans[DAChanCount]; // AI channels array\n", "U16");
    writer.putf("%s fstop = %d;\n", waveform.card.fstopType, 0);
    if (waveform.doubleBuffer)
        writer.putf("BOOLEAN HalfReady = %d;\n", 0);
    writer.putf("U32 WriteCnt = %u;\n", 0u);
    writer.putf("U32 MemSize   = %u;\n", 0u);
    writer.putf("U16 BufId   = %d;\n", 0);
    if (waveform.doubleBuffer)
        writer.putf("U16 BufId2   = %d;\n", 0);
    writer.putf("%s OutBuf[%u]; //DA data buffer\n", "I16", bufferSize);
    if (waveform.doubleBuffer)
        writer.putf("%s OutBuf2[%u]; //DA data buffer2\n", "I16", bufferSize);
    if (waveform.volts) {
        writer.putf("F64 OutVolBuf[%u]; // DA voltages buffer\n", record.scanCount);
        writer.put("U16 vii = 0;\n");
    }
    if (!waveform.one)
        writer.putf("%s *OutPattern; //DA output pattern\n", "I16");
    if (record.channelPattern == ConsecutiveAlike)
        writer.put("U16 startChannel = 0;\n");
    writer.put("U16 vi = 0;\n");
}

// One channel: the pattern goes straight into OutBuf (and OutBuf2).
void WriteOneChannelBuffer(CodeWriter& writer, const Waveform& waveform, PatternBuffer buffer) {
    const bool second = buffer == PatternBuffer::Second;
    if (waveform.volts) {
        switch (buffer) {
        case PatternBuffer::Only:
            writer.put("\t//TODO: Here to fill in OutVolBuf with output pattern\n");
            break;
        case PatternBuffer::First:
            writer.put("\t//TODO: Here to fill in OutVolBuf with output pattern in 1st buffer\n");
            break;
        case PatternBuffer::Second:
            writer.put("\t//TODO: Here to fill in OutVolBuf with output pattern in 2nd buffer\n");
            break;
        }
        writer.put("\t//     .....\n");
        writer.put(second ? "\t//Convert data from OutVolBuf to OutBuf2\n"
                          : "\t//Convert data from OutVolBuf to OutBuf\n");
        writer.put("\tfor(vi=0; vi<UpdateCount; vi++) {\n");
        writer.put(second ? "\t       err = R4A_AO_VoltScale(cardID, DAChan, OutVolBuf[vi], &OutBuf2[vi]);\n"
                          : "\t       err = R4A_AO_VoltScale(cardID, DAChan, OutVolBuf[vi], &OutBuf[vi]);\n");
        writer.loopNegCheck();
        writer.put("\t}\n");
    } else {
        switch (buffer) {
        case PatternBuffer::Only:
            writer.put("\t//TODO: Here to fill in OutBuf with output pattern\n");
            break;
        case PatternBuffer::First:
            writer.put("\t//TODO: Here to fill in OutBuf with output pattern in 1st buffer\n");
            break;
        case PatternBuffer::Second:
            writer.put("\t//TODO: Here to fill in OutBuf2 with output pattern in 2nd buffer\n");
            break;
        }
        writer.put("\t//     .....\n");
    }
    writer.put(second ? "\terr=R4A_AO_ContBufferSetup (cardID, OutBuf2, UpdateCount, &BufId2);\n"
                      : "\terr=R4A_AO_ContBufferSetup (cardID, OutBuf, UpdateCount, &BufId);\n");
    writer.errCheck();
}

// Several channels: each channel's pattern is composed into OutBuf (and OutBuf2).
void WriteComposedBuffer(CodeWriter& writer, const Waveform& waveform, PatternBuffer buffer) {
    if (waveform.volts) {
        WriteVoltsPatternHead(writer, buffer);
        writer.put("\t              for(vii=0; vii<UpdateCount; vii++) {\n");
        WriteVoltsPatternScale(writer, "chans[vi]");
        writer.put("\t              }\n");
    } else {
        WriteRawPatternPlaceholder(writer, "chans[vi]", buffer);
    }
    writer.putf("\t              err=R4A_AO_ContBufferCompose (cardID, %s, chans[vi], UpdateCount, %s, "
                "OutPattern, 0);\n",
                waveform.card.composeGroup, buffer == PatternBuffer::Second ? "OutBuf2" : "OutBuf");
    WriteComposeCheck(writer);
}

void WriteBuffersAndStart(CodeWriter& writer, const Waveform& waveform) {
    const PatternBuffer firstBuffer = waveform.doubleBuffer ? PatternBuffer::First : PatternBuffer::Only;
    const char* mode = waveform.definite ? "Definite" : "Indefinite";
    const char* secondBufferId = waveform.doubleBuffer ? "BufId2" : "0";
    if (waveform.one) {
        WriteOneChannelBuffer(writer, waveform, firstBuffer);
        if (waveform.doubleBuffer)
            WriteOneChannelBuffer(writer, waveform, PatternBuffer::Second);
    } else {
        WritePatternStart(writer, "UpdateCount", "DAChanCount");
        WriteComposedBuffer(writer, waveform, firstBuffer);
        if (waveform.doubleBuffer)
            WriteComposedBuffer(writer, waveform, PatternBuffer::Second);
        WritePatternEnd(writer);
        writer.put("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf, UpdateCount*DAChanCount, &BufId);\n");
        writer.errCheck();
        if (waveform.doubleBuffer) {
            writer.put("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf2, UpdateCount*DAChanCount, &BufId2);\n");
            writer.errCheck();
        }
    }
    if (waveform.card.groupCalls)
        writer.putf("\terr=R4A_AO_Group_WFM_Start (cardID, DA_Group_A, BufId, %s, UpdateCount, Iteration, "
                    "CHUI, %s);\n",
                    secondBufferId, mode);
    else if (waveform.one)
        writer.putf(
            "\terr=R4A_AO_ContWriteChannel (cardID, DAChan, BufId, UpdateCount, Iteration, CHUI, %s, %s);\n",
            mode, "ASYNCH_OP");
    else
        writer.putf(
            "\terr=R4A_AO_ContWriteMultiChannels (cardID, DAChanCount, chans, BufId, UpdateCount, Iteration, "
            "CHUI, %s, %s);\n",
            mode, "ASYNCH_OP");
    writer.errCheck();
}

void WriteCompletion(CodeWriter& writer, const Waveform& waveform) {
    const WaveformCard& card = waveform.card;
    if (waveform.doubleBuffer) {
        writer.put("\tdo {\n");
        writer.put("\t       do {\n");
        writer.put("\t          R4A_AO_AsyncDblBufferHalfReady (cardID, &HalfReady);\n");
        writer.put("\t       } while (!HalfReady);\n");
        writer.put("\t       //half buffer data is ready for read\n");
        writer.put("\t} while (//here to add the condition to continue the acquisition);\n");
    } else if (waveform.definite) {
        if ((writer.record().trigSource & card.writeSourceMask) == 0) {
            writer.put("\tdo {\n");
            writer.put(card.asyncCheck);
            writer.put("\t} while (!fstop);\n");
        } else {
            writer.putf("\n\t//Since the conversion source from external, using %s\n", card.checkName);
            writer.put("\t//to check if the waveform generation is completed is not available.\n");
            writer.putf("\t//User has to stop waveform generation by calling %s.\n", card.clearName);
        }
    } else {
        writer.put("\t//ToDo : here to add the condition to stop the operation\n");
    }
    writer.put(card.stopCall);
    writer.errCheck();
}

} // namespace

WriterOutcome WriteE400ContinuousAo(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const WaveformCard& card = CardOf(record.cardType);
    const ChannelList list = NormaliseAoChannels(record, card.aoEntries);
    if (list.channels.empty())
        return WriterOutcome::Nothing(NoEnabledChannel);
    const Waveform waveform = {card,
                               record.channelCount == 1,
                               list.channels.front(),
                               record.syncMode == DefiniteOperation,
                               record.doubleBuffer != 0,
                               record.dataFormat != 0};

    WriteConstants(writer, waveform);
    WriteVariables(writer, waveform);
    writer.registerCard();
    WriteAoMemoryCheck(writer, waveform.one ? "UpdateCount" : "UpdateCount*DAChanCount");
    WriteAoChannelConfig(writer, list.channels, {"DAChan", false});
    if (card.groupCalls) {
        // The channel is a constant: the group takes its address through a compound literal.
        writer.put(waveform.one ? "\terr = R4A_AO_Group_Setup(cardID, DA_Group_A, 1, &(U16){DAChan});\n"
                                : "\terr = R4A_AO_Group_Setup(cardID, DA_Group_A, DAChanCount, chans);\n");
        writer.errCheck();
    }
    writer.putf("\terr = R4A_AO_AsyncDblBufferMode(cardID, %d);\n", record.doubleBuffer);
    writer.errCheck();
    if (AnalogTriggerWanted(record, record.trigFlags))
        WriteAnalogTriggerConfig(writer);
    writer.put(
        record.trigFlags & AoDelayModeBit
            ? "\terr=R4A_AO_Config(cardID, ConfigCtrl, TrigCtrl, ReTrgCnt, DlyScans, Dly2Count, "
              "BufAutoReset);\n"
            : "\terr=R4A_AO_Config(cardID, ConfigCtrl, TrigCtrl, ReTrgCnt, 0, Dly2Count, BufAutoReset);\n");
    writer.errCheck();
    WriteBuffersAndStart(writer, waveform);
    WriteCompletion(writer, waveform);
    if (record.outputMode == 0) {
        writer.put("\t//Buffer unlock !!\n");
        writer.put("\terr=R4A_AO_ContBufferReset(cardID);\n");
        writer.errCheck();
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
