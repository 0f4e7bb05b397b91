#include "viruveza/generators/e400_waveform_parts.h"

#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"

namespace doz::generators::e400 {

const char* AoEdgeName(std::uint16_t triggerWord) {
    if ((triggerWord & 0x3u) != ExternalDigitalTriggerSource)
        return nullptr;
    return triggerWord & AoNegativeEdgeBit ? "DOZU4R_DA_TrgNegative" : "DOZU4R_DA_TrgPositive";
}

void WriteGroupConfigConstants(CodeWriter& writer, const GroupWords& words) {
    const bool delayMode = words.triggerWord & AoDelayModeBit;
    const char* suffix = words.suffix;
    writer.putf("#define ConfigCtrl%s    %s|%s", suffix, words.group,
                NameAt(words.writeSourceNames, words.writeWord & 0x3u));
    if (delayMode)
        writer.putf("|%s", TriggerDelaySourceNames[(words.writeWord >> 4) & 0x3u]);
    writer.putf("|%s\n", BreakDelaySourceNames[(words.writeWord >> 6) & 0x3u]);

    writer.putf("#define TrigCtrl%s       %s|", suffix, AoTriggerSourceNames[words.triggerWord & 0x3u]);
    writer.putf("%s", delayMode ? "DOZU4R_DA_TRGMOD_DELAY" : "DOZU4R_DA_TRGMOD_POST");
    if (const char* edge = AoEdgeName(words.triggerWord))
        writer.putf("|%s", edge);
    if (words.triggerWord & AoDelay2Bit)
        writer.putf("|%s", "DOZU4R_DA_DLY2En");
    if (words.triggerWord & AoRetriggerBit) {
        writer.putf("|%s", "DOZU4R_DA_ReTrigEn");
        writer.putf("\n#define ReTrgCnt%s  %d\n", suffix, words.retriggerCount);
    } else {
        writer.putf("\n#define ReTrgCnt%s  %d\n", suffix, 0);
    }
    if (delayMode)
        writer.putf("#define DlyScans%s    %d\n", suffix, words.delayScans);
    writer.putf("#define Dly2Count%s  %d\n", suffix, words.triggerWord & AoDelay2Bit ? words.delay2Count : 0);
}

const char* StopModeName(std::uint16_t code) {
    return NameAt(StopModeNames, code);
}

void WriteAoMemoryCheck(CodeWriter& writer, const char* sampleCount) {
    writer.put("\terr = R4A_AO_InitialMemoryAllocated(cardID, &MemSize);\n");
    writer.errCheck();
    writer.putf("\tif (MemSize*1024 < %s*sizeof(%s) ) {\n", sampleCount, "I16");
    writer.put("\t       //available memory size for analog input in the device driver\n");
    writer.put("\t       //is smaller than the data size specified!!\n");
    writer.put("\t       //ToDo : do something here\n");
    writer.put("\t}\n");
}

void WritePatternStart(CodeWriter& writer, const char* allocationCount, const char* channelCount) {
    writer.putf("\tOutPattern = (I16 *) malloc(%s*sizeof(I16));\n", allocationCount);
    writer.put("\tif (OutPattern == NULL) {\n");
    writer.put("\t       //Insufficient memory available !!\n");
    writer.put("\t       //ToDo : Handle error here\n");
    writer.put("\t} else {\n");
    writer.putf("\t       for(vi=0; vi<%s; vi++) {\n", channelCount);
}

void WritePatternEnd(CodeWriter& writer) {
    writer.put("\t       }\n");
    writer.put("\t       free((void *) OutPattern);\n");
    writer.put("\t}\n");
}

void WriteVoltsPatternHead(CodeWriter& writer, PatternBuffer buffer) {
    switch (buffer) {
    case PatternBuffer::Only:
        writer.put("\t              //TODO: Here to fill in OutVolBuf with output pattern\n");
        break;
    case PatternBuffer::First:
        writer.put("\t              //TODO: Here to fill in OutVolBuf with output pattern in 1st buffer\n");
        break;
    case PatternBuffer::Second:
        writer.put("\t              //TODO: Here to fill in OutVolBuf with output pattern in 2nd buffer\n");
        break;
    }
    writer.put("\t              //     .....\n");
    writer.put("\t              //Convert data from OutVolBuf to OutPattern\n");
}

void WriteVoltsPatternScale(CodeWriter& writer, const char* channel) {
    writer.putf(
        "\t                     err = R4A_AO_VoltScale(cardID, %s, OutVolBuf[vii], &OutPattern[vii]);\n",
        channel);
    IndentedCheck(writer, "err<0", 21, 28);
}

void WriteRawPatternPlaceholder(CodeWriter& writer, const char* channel, PatternBuffer buffer) {
    switch (buffer) {
    case PatternBuffer::Only:
        writer.putf("\t              //ToDo : here to fill in OutPattern with output pattern for %s\n",
                    channel);
        break;
    case PatternBuffer::First:
        writer.putf(
            "\t              //ToDo : here to fill in OutPattern with output pattern for %s in 1st Buffer\n",
            channel);
        break;
    case PatternBuffer::Second:
        writer.putf(
            "\t              //ToDo : here to fill in OutPattern with output pattern for %s in 2nd Buffer\n",
            channel);
        break;
    }
    writer.put("\t              //     .....\n");
}

void WriteComposeCheck(CodeWriter& writer) {
    IndentedCheck(writer, "err!=NoError", 14, 21);
}

} // namespace doz::generators::e400
