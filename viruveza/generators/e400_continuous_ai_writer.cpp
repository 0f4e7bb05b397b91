#include "viruveza/generators/e400_continuous_ai_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/e400_analog_trigger.h"
#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"

#include <array>

namespace doz::generators {

namespace {

using namespace e400;

// `trigFlags` bits.
constexpr std::uint16_t RetriggerBit = 0x80;
constexpr std::uint16_t DelayInSamplesBit = 0x100;
constexpr std::uint16_t MCounterBit = 0x400;
constexpr std::uint16_t NegativeEdgeBit = 0x1000;

// What a trigger mode adds to TrigCtrl: retrigger (post, delay) or the M counter (pre, middle).
enum class ModeEnding : std::uint8_t { Retrigger, MCounter };

struct TriggerMode {
    const char* name;
    bool delayForm; // "MODE|edge|unit": the delay mode names the unit of its delay
    ModeEnding ending;
    const char* countConstant; // the mode's count of `postCount`, or nullptr
    const char* configCall;
    bool retriggerSizesBuffer; // with retrigger the driver buffer holds every acquisition
    bool pretriggerData;       // data before the trigger: the first data position is startPos
};

// By bits 3 to 4 of `trigFlags`: post, delay, pre, middle. The pre and middle calls pass
// BufAutoReset like the other two, so that every mode calls R4A_AI_Config with all its arguments.
constexpr std::array<TriggerMode, 4> TriggerModes = {{
    {"DOZU4R_AI_TRGMOD_POST", false, ModeEnding::Retrigger, nullptr,
     "\terr=R4A_AI_Config(cardID, ConfigCtrl, TrigCtrl, 0, 0, ReTrgCnt, BufAutoReset);\n", true, false},
    {"DOZU4R_AI_TRGMOD_DELAY", true, ModeEnding::Retrigger, "#define DlyScans    %d\n",
     "\terr=R4A_AI_Config(cardID, ConfigCtrl, TrigCtrl, DlyScans, 0, ReTrgCnt, BufAutoReset);\n", false,
     false},
    {"DOZU4R_AI_TRGMOD_PRE", false, ModeEnding::MCounter, nullptr,
     "\terr=R4A_AI_Config(cardID, ConfigCtrl, TrigCtrl, 0, MCount, 0, BufAutoReset);\n", false, true},
    {"DOZU4R_AI_TRGMOD_MIDL", false, ModeEnding::MCounter, "#define MidScans    %d\n",
     "\terr=R4A_AI_Config(cardID, ConfigCtrl, TrigCtrl, MidScans, MCount, 0, BufAutoReset);\n", false, true},
}};

constexpr std::uint16_t SyncOperation = 1;
constexpr std::uint16_t AsyncOperation = 2;

// Everything the text depends on beyond single fields, worked out once from the normalised record.
struct Acquisition {
    const ChannelList& list;
    bool one;
    std::uint16_t first;
    bool mixed;
    bool scanForm; // LastADChan and R4A_AI_ContScanChannels
    const TriggerMode& mode;
    unsigned source;
    bool retrigger;
    bool retriggerBuffer;
    bool doubleBuffer;
    bool volts;
    bool toFile;
    const char* operation; // ASYNCH_OP or SYNCH_OP
};

const char* ConversionSourceName(std::uint16_t trigSource) {
    return trigSource % 4 == 0 ? NameAt(AiConversionSourceNames, trigSource / 4u) : "";
}

Acquisition Derive(const DeviceSetup& record, const ChannelList& list) {
    const TriggerMode& mode = TriggerModes[(record.trigFlags >> 3) & 0x3u];
    const bool one = record.channelCount == 1;
    const bool retrigger = (record.trigFlags & RetriggerBit) && record.doubleBuffer == 0;
    return {
        list,
        one,
        list.channels.front(),
        list.mixedSettings,
        !one && record.channelPattern != EachChannelSet && list.channels.front() == 0,
        mode,
        record.trigFlags & 0x3u,
        retrigger,
        retrigger && mode.retriggerSizesBuffer,
        record.doubleBuffer != 0,
        record.dataFormat != 0,
        record.toFile != 0,
        record.doubleBuffer || record.syncMode != SyncOperation ? "ASYNCH_OP" : "SYNCH_OP",
    };
}

void WriteTriggerConstants(CodeWriter& writer, const Acquisition& acquisition) {
    const DeviceSetup& record = writer.record();
    const TriggerMode& mode = acquisition.mode;
    const char* edge = nullptr;
    if (acquisition.source == ExternalDigitalTriggerSource)
        edge = record.trigFlags & NegativeEdgeBit ? "DOZU4R_AI_TrgNegative" : "DOZU4R_AI_TrgPositive";

    writer.putf("#define TrigCtrl       %s|", AiTriggerSourceNames[acquisition.source]);
    if (mode.delayForm) {
        writer.putf("%s|", mode.name);
        if (edge)
            writer.putf("%s|", edge);
        writer.putf("%s", record.trigFlags & DelayInSamplesBit ? "DOZU4R_AI_Dly1InSamples"
                                                               : "DOZU4R_AI_Dly1InTimebase");
    } else {
        writer.putf("%s", mode.name);
        if (edge)
            writer.putf("|%s", edge);
    }
    switch (mode.ending) {
    case ModeEnding::Retrigger:
        if (acquisition.retrigger) {
            writer.putf("|%s\n", "DOZU4R_AI_ReTrigEn");
            writer.putf("#define ReTrgCnt  %d\n", record.reTrigCount);
        } else {
            writer.putf("\n#define ReTrgCnt  %d\n", 0);
        }
        break;
    case ModeEnding::MCounter:
        if (record.trigFlags & MCounterBit) {
            writer.putf("|%s\n", "DOZU4R_AI_MCounterEn");
            writer.putf("#define MCount  %d\n", record.mCount);
        } else {
            writer.putf("\n#define MCount  %d\n", 0);
        }
        break;
    }
    if (mode.countConstant)
        writer.putf(mode.countConstant, record.postCount);
}

void WriteConstants(CodeWriter& writer, const Acquisition& acquisition) {
    const DeviceSetup& record = writer.record();
    writer.beginConstants(CardNumberForm::Spaces);
    if (acquisition.one) {
        writer.putf("#define ADChan\t     %d\n", record.channel);
    } else {
        if (acquisition.scanForm)
            writer.putf("#define LastADChan  %d\n", record.channelCount - 1);
        writer.putf("#define ADChanCount  %d\n", record.channelCount);
    }
    writer.putf("#define ScanCount    %lu\n", static_cast<unsigned long>(record.scanCount));
    writer.putf("#define ScanIntrv     %u\n", record.scanInterval);
    writer.putf("#define SampleIntrv   %u\n", record.sampleInterval);
    writer.put("\n//AI config constants definition\n");
    writer.putf("#define ConfigCtrl    %s\n", ConversionSourceName(record.trigSource));
    WriteTriggerConstants(writer, acquisition);
    if (AnalogTriggerWanted(record, record.trigFlags))
        WriteAnalogTriggerConstants(writer, acquisition.first, ChannelTriggerInputs::Named);
    writer.putf("#define BufAutoReset    %d\n", record.outputMode);
}

void WriteVariables(CodeWriter& writer, const Acquisition& acquisition) {
    const DeviceSetup& record = writer.record();
    const std::uint32_t bufferSize =
        std::uint32_t{record.reTrigCount} * record.channelCount * record.scanCount;
    writer.beginVariables();
    if (!acquisition.one)
        writer.putf("%s  chans[ADChanCount]; // AI channels array\n", "U16");
    // The double-buffer loop reads fstop too, whatever the operation mode.
    if (record.syncMode == AsyncOperation || acquisition.doubleBuffer)
        writer.putf("BOOLEAN fstop = %d;\n", 0);
    if (acquisition.doubleBuffer)
        writer.putf("BOOLEAN HalfReady = %d;\n", 0);
    writer.putf("U32 AccessCnt = %u;\n", 0u);
    writer.putf("U32 startPos = %u;\n", 0u);
    writer.putf("U32 MemSize   = %u;\n", 0u);
    writer.putf("U16 BufId   = %d;\n", 0);
    if (acquisition.doubleBuffer) {
        writer.putf("U16 BufId2   = %d;\n", 0);
        writer.putf("U16 CurBufId = %d;\n", 0);
    }
    writer.putf("%s InBuf[%u]; //AI data buffer\n", "I16", bufferSize);
    if (acquisition.doubleBuffer) {
        writer.putf("%s InBuf2[%u]; //AI data buffer2\n", "I16", bufferSize);
        writer.put("I16 *CurBuf;\n");
    }
    if (acquisition.volts) {
        writer.putf("F64 InVolBuf[%u]; // AI voltages buffer\n", bufferSize);
        if (acquisition.doubleBuffer) {
            writer.putf("F64 InVolBuf2[%u]; // AI voltages buffer2\n", bufferSize);
            writer.put("F64 *CurVolBuf;\n");
        }
    }
    if (acquisition.toFile)
        writer.fileNameVariable();
    if (record.channelPattern == ConsecutiveAlike)
        writer.put("U16 startChannel = 0;\n");
    writer.put("U16 vi = 0;\n");
}

void WriteMemoryCheck(CodeWriter& writer, const Acquisition& acquisition) {
    writer.put("\terr = R4A_AI_InitialMemoryAllocated(cardID, &MemSize);\n");
    writer.errCheck();
    writer.putf(acquisition.one ? "\tif (MemSize*1024 < ScanCount*sizeof(%s) ) {\n"
                                : "\tif (MemSize*1024 < ScanCount*ADChanCount*sizeof(%s) ) {\n",
                "I16");
    writer.put("\t       //available memory size for analog input in the device driver\n");
    writer.put("\t       //is smaller than the data size specified!!\n");
    writer.put("\t       //ToDo : do something here\n");
    writer.put("\t}\n");
}

void WriteBuffersAndRead(CodeWriter& writer, const Acquisition& acquisition) {
    const char* op = acquisition.operation;
    if (acquisition.one) {
        writer.put(acquisition.retriggerBuffer
                       ? "\terr=R4A_AI_ContBufferSetup (cardID, InBuf, ScanCount*ReTrgCnt, &BufId);\n"
                       : "\terr=R4A_AI_ContBufferSetup (cardID, InBuf, ScanCount, &BufId);\n");
        writer.errCheck();
        if (acquisition.doubleBuffer) {
            writer.put("\terr=R4A_AI_ContBufferSetup (cardID, InBuf2, ScanCount, &BufId2);\n");
            writer.errCheck();
        }
        if (acquisition.toFile)
            writer.putf(
                "\terr=R4A_AI_ContReadChannelToFile (cardID, ADChan, BufId, file_name, ScanCount, ScanIntrv, "
                "SampleIntrv, %s);\n",
                op);
        else
            writer.putf("\terr=R4A_AI_ContReadChannel (cardID, ADChan, BufId, ScanCount, ScanIntrv, "
                        "SampleIntrv, %s);\n",
                        op);
        writer.errCheck();
        return;
    }
    writer.put(acquisition.retriggerBuffer
                   ? "\terr=R4A_AI_ContBufferSetup (cardID, InBuf, ScanCount*ADChanCount*ReTrgCnt, &BufId);\n"
                   : "\terr=R4A_AI_ContBufferSetup (cardID, InBuf, ScanCount*ADChanCount, &BufId);\n");
    writer.errCheck();
    if (acquisition.doubleBuffer) {
        writer.put("\terr=R4A_AI_ContBufferSetup (cardID, InBuf2, ScanCount*ADChanCount, &BufId2);\n");
        writer.errCheck();
    }
    if (acquisition.scanForm && acquisition.toFile)
        writer.putf("\terr=R4A_AI_ContScanChannelsToFile (cardID, LastADChan, BufId, file_name, ScanCount, "
                    "ScanIntrv, "
                    "SampleIntrv, %s);\n",
                    op);
    else if (acquisition.scanForm)
        writer.putf("\terr=R4A_AI_ContScanChannels (cardID, LastADChan, BufId, ScanCount, ScanIntrv, "
                    "SampleIntrv, %s);\n",
                    op);
    else if (acquisition.toFile)
        writer.putf("\terr=R4A_AI_ContReadMultiChannelsToFile (cardID, ADChanCount, chans, BufId, file_name, "
                    "ScanCount, "
                    "ScanIntrv, SampleIntrv, %s);\n",
                    op);
    else
        writer.putf(
            "\terr=R4A_AI_ContReadMultiChannels (cardID, ADChanCount, chans, BufId, ScanCount, ScanIntrv, "
            "SampleIntrv, %s);\n",
            op);
    writer.errCheck();
}

// Conversion of each half buffer inside the double-buffer loop.
void WriteHalfBufferConversion(CodeWriter& writer, const Acquisition& acquisition) {
    const DeviceSetup& record = writer.record();
    if (acquisition.one) {
        writer.putf("\t       err=R4A_AI_ContVScale (cardID, %s, CurBuf, CurVolBuf, ScanCount);\n",
                    AiRangeName(record, acquisition.first));
    } else if (record.channelPattern == EachChannelSet && acquisition.mixed) {
        writer.put("\t       for(vi=0; vi<ScanCount; vi++) {\n");
        for (std::size_t k = 0; k < acquisition.list.channels.size(); ++k) {
            writer.putf("\t             err = R4A_AI_VoltScale(cardID, %s, CurBuf[vi*ADChanCount+%zu], "
                        "&CurVolBuf[vi*ADChanCount+%zu]);\n",
                        AiRangeName(record, acquisition.list.channels[k]), k, k);
            IndentedCheck(writer, "err<0", 13, 19);
        }
        writer.put("\t       }\n");
    } else {
        writer.putf(
            "\t       err=R4A_AI_ContVScale (cardID, %s, CurBuf, CurVolBuf, ScanCount*ADChanCount);\n",
            AiRangeName(record, acquisition.first));
        IndentedCheck(writer, "err!=NoError", 7, 13);
    }
}

void WriteDoubleBufferLoop(CodeWriter& writer, const Acquisition& acquisition) {
    writer.put("\tCurBufId = 0; //initial buffer index\n");
    writer.put("\tCurBuf = InBuf; //initial buffer\n");
    if (acquisition.volts)
        writer.put("\tCurVolBuf = InVolBuf; //initial voltage buffer\n");
    writer.put("\tdo {\n");
    writer.put("\t       do {\n");
    writer.put("\t            R4A_AI_AsyncDblBufferHalfReady (cardID, &HalfReady, &fstop);\n");
    writer.put("\t       } while (!HalfReady);\n");
    writer.put("\t       //half buffer data is ready for read\n");
    if (acquisition.toFile)
        writer.put("\t       R4A_AI_AsyncDblBufferToFile (cardID);\n");
    else if (acquisition.volts)
        WriteHalfBufferConversion(writer, acquisition);
    writer.put("\t       CurBufId = (CurBufId + 1)%2; //next ready buffer index\n");
    writer.put("\t       CurBuf = (CurBufId==0)? InBuf : InBuf2; //next ready buffer\n");
    if (acquisition.volts)
        writer.put("\t       CurVolBuf = (CurBufId==0)? InVolBuf : InVolBuf2; //next ready voltage buffer\n");
    writer.put("\t} while (//here to add the condition to continue the acquisition);\n");
    writer.put("\terr = R4A_AI_AsyncClear(cardID, &startPos, &AccessCnt);\n");
    writer.errCheck();
}

void WriteAsyncWait(CodeWriter& writer, const Acquisition& acquisition) {
    writer.put("\tdo {\n");
    writer.put("\t       R4A_AI_AsyncCheck(cardID, &fstop, &AccessCnt);\n");
    writer.put("\t} while (!fstop);\n");
    writer.put("\terr = R4A_AI_AsyncClear(cardID, &startPos, &AccessCnt);\n");
    if (acquisition.mode.pretriggerData)
        writer.put("\t//The first data position : startPos\n");
    writer.errCheck();
}

void WriteFinalConversion(CodeWriter& writer, const Acquisition& acquisition) {
    const DeviceSetup& record = writer.record();
    const char* data = acquisition.doubleBuffer ? "CurBuf" : "InBuf";
    const char* volts = acquisition.doubleBuffer ? "CurVolBuf" : "InVolBuf";
    if (acquisition.one || record.channelPattern != EachChannelSet || !acquisition.mixed) {
        writer.putf("\terr=R4A_AI_ContVScale (cardID, %s, %s, %s, AccessCnt);\n",
                    AiRangeName(record, acquisition.first), data, volts);
        writer.errCheck();
        return;
    }
    writer.put("\tfor(vi=0; vi<AccessCnt; vi+=ADChanCount) {\n");
    for (std::size_t k = 0; k < acquisition.list.channels.size(); ++k) {
        const char* range = AiRangeName(record, acquisition.list.channels[k]);
        if (acquisition.mode.pretriggerData)
            writer.putf("\t       err = R4A_AI_VoltScale(cardID, %s, %s[(startPos+vi+%zu)%s], "
                        "&%s[(startPos+vi+%zu)%s]);\n",
                        range, data, k, "%AccessCnt", volts, k, "%AccessCnt");
        else
            writer.putf("\t       err = R4A_AI_VoltScale(cardID, %s, %s[vi+%zu], &%s[vi+%zu]);\n", range,
                        data, k, volts, k);
        IndentedCheck(writer, "err<0", 7, 13);
    }
    writer.put("\t}\n");
}

} // namespace

WriterOutcome WriteE400ContinuousAi(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const ChannelList list = NormaliseAiChannels(record, E400AiTableSize(record.cardType));
    if (list.channels.empty())
        return WriterOutcome::Nothing(NoEnabledChannel);
    const Acquisition acquisition = Derive(record, list);
    // Without retrigger one acquisition fills the buffer; a retrigger count of 0 would size it to nothing.
    if (!acquisition.retrigger)
        record.reTrigCount = 1;

    WriteConstants(writer, acquisition);
    WriteVariables(writer, acquisition);
    writer.registerCard();
    WriteMemoryCheck(writer, acquisition);
    WriteAiChannelConfig(writer, list, "ADChanCount");
    writer.putf("\terr = R4A_AI_AsyncDblBufferMode(cardID, %d);\n", record.doubleBuffer);
    writer.errCheck();
    if (AnalogTriggerWanted(record, record.trigFlags))
        WriteAnalogTriggerConfig(writer);
    writer.put(acquisition.mode.configCall);
    writer.errCheck();
    WriteBuffersAndRead(writer, acquisition);
    if (acquisition.doubleBuffer)
        WriteDoubleBufferLoop(writer, acquisition);
    else if (record.syncMode == AsyncOperation)
        WriteAsyncWait(writer, acquisition);
    if (acquisition.volts && !acquisition.toFile)
        WriteFinalConversion(writer, acquisition);
    if (record.outputMode == 0) {
        writer.put("\t//Buffer unlock !!\n");
        writer.put("\terr=R4A_AI_ContBufferReset(cardID);\n");
        writer.errCheck();
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
