#include "viruveza/generators/classic_continuous_ai_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/classic_trigger_level.h"
#include "viruveza/generators/continuous_blocks.h"
#include "viruveza/generators/data_types.h"
#include "viruveza/generators/name_lists.h"
#include "viruveza/generators/range_names.h"

namespace doz::generators {

namespace {

using namespace classic_card;

enum class RateConstant : std::uint8_t {
    AllChannels, // the per-channel rate times the channel count
    AsGiven,     // the card's own rate
    None,
};

struct AiCard {
    std::uint16_t cardType;
    RateConstant rate;
    void (*writeConstants)(CodeWriter& writer, const DeviceSetup& record); // may be null
    void (*writeConfig)(CodeWriter& writer, const DeviceSetup& record);    // may be null; ErrCheck follows
    const char* scanCount; // the count argument of a scan over several channels
    const char* readRate;  // the rate argument of the read call
};

constexpr const char* ConfigHeading = "\n//AI config constants definition\n";

const char* PacerTrigger(const DeviceSetup& record) {
    return record.clockSource == 1 ? "TRIG_INT_PACER" : "TRIG_EXT_STROBE";
}

void M610Constants(CodeWriter& writer, const DeviceSetup& record) {
    writer.put(ConfigHeading);
    writer.putf("#define PreTrigEn    %d\n", record.trigMode);
    writer.putf("#define TraceCnt     %u\n",
                static_cast<unsigned>(std::uint32_t{record.burstCount} * record.channelCount));
}

void M610Config(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("\terr=AI_M610_Config(cardID, %s, PreTrigEn, TraceCnt);\n", PacerTrigger(record));
}
void M620Config(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("\terr=AI_M620_Config(cardID, %s);\n", PacerTrigger(record));
}
void M630Config(CodeWriter& writer, const DeviceSetup&) {
    writer.putf("\terr=AI_M630_Config(cardID, %s);\n", "TRIG_INT_PACER");
}
void M640Config(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("\terr=AI_M640_Config(cardID, %s);\n", PacerTrigger(record));
}

void M660Constants(CodeWriter& writer, const DeviceSetup& record) {
    writer.put(ConfigHeading);
    writer.putf("#define ModeCtrl    %s",
                IsClassicUnipolar(record.adRange) ? "PM660_AI_UniPolar" : "PM660_AI_BiPolar");
    writer.putf("|%s", record.modeFlags & 2 ? "PM660_AI_Differential" : "PM660_AI_SingEnded");
    if (record.clockSource != 0)
        writer.putf("|%s", "PM660_AI_ExtTrig");
    if (record.modeFlags & 4)
        writer.put("|PM660_AI_ExtG");
    writer.put("\n");

    const std::uint16_t flags = record.funcFlags;
    writer.putf("#define FunCtrl     %s", flags & 0x10 ? "PM660_AI_DtrgPositive" : "PM660_AI_DtrgNegative");
    writer.putf("|%s", flags & 0x20 ? "PM660_AI_EtrgPositive" : "PM660_AI_EtrgNegative");
    if (flags & 0x40)
        writer.put("|PM660_AI_BurstModeEn");
    if (flags & 0x80)
        writer.put("|PM660_AI_SampleHold");
    if (flags & 0x100)
        writer.put("|PM660_AI_PostTrgEn");
    else if (flags & 0x200)
        writer.put("|PM660_AI_AboutTrgEn");
    writer.put("\n");
    writer.putf("#define BurstNumber  %d\n", record.burstCount);
    writer.putf("#define PostCount    %d\n", record.postCount);
}

void M660Config(CodeWriter& writer, const DeviceSetup&) {
    writer.put("\terr=AI_M660_Config(cardID, ModeCtrl, FunCtrl, BurstNumber, PostCount);\n");
}

// By the high byte of `clockSource`.
constexpr std::array<const char*, 3> S720ClockSources = {"PS720_CLKSRC_INT", "PS720_CLKSRC_EXT_SIN",
                                                         "PS720_CLKSRC_EXT_DIG"};
// By `trigMode`.
constexpr std::array<const char*, 5> S720TriggerModes = {
    "PS720_TRGMOD_SOFT", "PS720_TRGMOD_POST", "PS720_TRGMOD_PRE", "PS720_TRGMOD_DELAY", "PS720_TRGMOD_DELAY"};
// By `trigSource` shifted right by 3.
constexpr std::array<const char*, 5> S720TriggerSources = {
    "PS720_TRGSRC_CH0", "PS720_TRGSRC_CH1", "PS720_TRGSRC_CH2", "PS720_TRGSRC_CH3", "PS720_TRGSRC_EXT_DIG"};

void S720Constants(CodeWriter& writer, const DeviceSetup& record) {
    writer.put(ConfigHeading);
    writer.putf("#define ClkSel        %s",
                record.clockSelect == 0x80 ? "PS720_AD2_GT_PCI" : "PS720_AD2_LT_PCI");
    writer.putf("|%s\n", NameAt(S720ClockSources, record.clockSource / 256));
    writer.putf("#define TriggerLevel  %d\n", S720TriggerLevelCode(record.level, record.adRange));
    writer.putf("#define PostCount    %u\n",
                static_cast<unsigned>(std::uint32_t{record.postCount} * record.channelCount));
}

void S720Config(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("\terr=AI_S720_Config(cardID, %s, %s, %s, ClkSel, TriggerLevel, PostCount);\n",
                NameAt(S720TriggerModes, record.trigMode), NameAt(S720TriggerSources, record.trigSource >> 3),
                record.trigPolarity != 0 ? "PS720_TRGSLP_NEG" : "PS720_TRGSLP_POS");
}

// By bits 4 to 6 and bits 12 to 13 of `trigFlags`.
constexpr std::array<const char*, 5> M650TriggerModes = {
    "PM650_TRGMOD_SOFT", "PM650_TRGMOD_POST", "PM650_TRGMOD_DELAY", "PM650_TRGMOD_PRE", "PM650_TRGMOD_MIDL"};
constexpr std::uint16_t M650DelayTrigger = 2;
constexpr std::array<const char*, 3> M650Transfers = {"PM650_AI_SoftPolling", "PM650_AI_INT", "PM650_AI_DMA"};

void M650Constants(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf("#define ScanIntrv     %u\n", static_cast<unsigned>(record.scanInterval));
    writer.putf("#define SampleIntrv   %u\n", static_cast<unsigned>(record.sampleInterval));
    writer.put(ConfigHeading);
    writer.putf("#define ConfigCtrl    %s|%s|%s\n",
                IsClassicUnipolar(record.adRange) ? "PM650_AI_UniPolar" : "PM650_AI_BiPolar",
                record.configFlags & 2 ? "PM650_AI_Differential" : "PM650_AI_SingEnded",
                record.configFlags & 1 ? "PM650_AI_UserCMMD" : "PM650_AI_LocalGND");

    const std::uint16_t flags = record.trigFlags;
    const std::uint16_t mode = (flags >> 4) & 7;
    writer.putf("#define TrigCtrl       %s|%s|", NameAt(M650TriggerModes, mode),
                flags & 0x100 ? "PM650_AI_ExtTimeBase" : "PM650_AI_IntTimeBase");
    if (mode != 0)
        writer.putf("%s|", flags & 0x80 ? "PM650_AI_TrgNegative" : "PM650_AI_TrgPositive");
    if (mode == M650DelayTrigger)
        writer.putf("%s|", flags & 0x200 ? "PM650_AI_DlyInSamples" : "PM650_AI_DlyInTimebase");
    if (flags & 0x400)
        writer.put("PM650_AI_ReTrigEn|");
    if (flags & 0x800)
        writer.put("PM650_AI_MCounterEn|");
    writer.putf("%s\n", NameAt(M650Transfers, (flags >> 12) & 3));
    writer.putf("#define PostCount    %d\n", record.postCount);
    writer.putf("#define MCount  %d\n", record.mCount);
    writer.putf("#define ReTrgCnt  %d\n", record.reTrigCount);
}

void M650Config(CodeWriter& writer, const DeviceSetup& record) {
    writer.put(record.channelCount == 1
                   ? "\terr=AI_M650_Config(cardID, ConfigCtrl, TrigCtrl, PostCount, MCount, ReTrgCnt);\n"
                   : "\terr=AI_M650_Config(cardID, ConfigCtrl, TrigCtrl, PostCount*ADChanCount, "
                     "MCount*ADChanCount, ReTrgCnt);\n");
    writer.errCheck();
    writer.put("\terr=AI_M650_CounterInterval (cardID, ScanIntrv, SampleIntrv);\n");
}

constexpr const char* AllScans = "ScanCount*ADChanCount";

constexpr auto AiCards = std::to_array<AiCard>({
    {M610DG, RateConstant::AllChannels, M610Constants, M610Config, AllScans, "SampleRate"},
    {M610HR, RateConstant::AllChannels, M610Constants, M610Config, AllScans, "SampleRate"},
    {M620, RateConstant::AllChannels, nullptr, M620Config, AllScans, "SampleRate"},
    {M630, RateConstant::AllChannels, nullptr, M630Config, AllScans, "SampleRate"},
    {M640DG, RateConstant::AllChannels, nullptr, M640Config, AllScans, "SampleRate"},
    {M640HG, RateConstant::AllChannels, nullptr, M640Config, AllScans, "SampleRate"},
    {M660DG, RateConstant::AllChannels, M660Constants, M660Config, AllScans, "SampleRate"},
    {M660HG, RateConstant::AllChannels, M660Constants, M660Config, AllScans, "SampleRate"},
    {M660HR, RateConstant::AllChannels, M660Constants, M660Config, AllScans, "SampleRate"},
    {S710, RateConstant::AsGiven, S720Constants, S720Config, AllScans, "SampleRate"},
    {S720, RateConstant::AsGiven, S720Constants, S720Config, AllScans, "SampleRate"},
    // The M650 paces by its intervals and defines no SampleRate: its reads pass a rate of 1,
    // on one channel as on several.
    {M650, RateConstant::None, M650Constants, M650Config, "ScanCount", "(F64) 1"},
});

constexpr AiCard OtherCard = {0, RateConstant::None, nullptr, nullptr, AllScans, "SampleRate"};

void WriteReadCall(CodeWriter& writer, const DeviceSetup& record, const AiCard& card) {
    const char* range = RangeName(record.adRange);
    const char* operation = SyncOperation(record);
    const bool toFile = record.toFile != 0;
    if (record.channelCount == 1)
        writer.putf(
            toFile ? "\terr=AI_ContReadChannelToFile (cardID, ADChan, %s, file_name, ScanCount, %s, %s);\n"
                   : "\terr=AI_ContReadChannel (cardID, ADChan, %s, InBuf, ScanCount, %s, %s);\n",
            range, card.readRate, operation);
    else
        writer.putf(toFile
                        ? "\terr=AI_ContScanChannelsToFile (cardID, LastADChan, %s, file_name, %s, %s, %s);\n"
                        : "\terr=AI_ContScanChannels (cardID, LastADChan, %s, InBuf, %s, %s, %s);\n",
                    range, card.scanCount, card.readRate, operation);
    writer.errCheck();
}

void WriteDoubleBufferLoop(CodeWriter& writer, const DeviceSetup& record) {
    WriteReadyLoopHead(writer, "AI_AsyncDblBufferHalfReady (cardID, &HalfReady, &fstop);",
                       "//half buffer data is ready for read");
    if (record.toFile != 0) {
        writer.put("\t       AI_AsyncDblBufferTransfer (cardID, NULL);\n");
    } else {
        writer.put("\t       AI_AsyncDblBufferTransfer (cardID, InBuf);\n");
        if (record.dataFormat != 0) {
            writer.putf(record.channelCount == 1
                            ? "\t       err=AI_ContVScale (cardID, %s, InBuf, InVolBuf, ScanCount/2);\n"
                            : "\t       err=AI_ContVScale (cardID, %s, InBuf, InVolBuf, "
                              "(ScanCount*ADChanCount)/2);\n",
                        RangeName(record.adRange));
            WriteLoopErrCheck(writer);
        }
    }
    WriteReadyLoopEnd(writer, "AI", "AccessCnt");
}

} // namespace

WriterOutcome WriteClassicContinuousAi(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    if (record.channelCount == 0)
        return WriterOutcome::Nothing("continuous AI needs at least one channel (channelCount is 0)");
    const AiCard* found = FindCardRow(AiCards, record.cardType);
    const AiCard& card = found ? *found : OtherCard;
    const bool oneChannel = record.channelCount == 1;
    const bool doubleBuffer = record.doubleBuffer != 0;
    const bool toFile = record.toFile != 0;
    const bool volts = record.dataFormat != 0;
    const char* type = ClassicDataTypeName(record.cardType, DataKind::ContinuousAi);

    writer.beginConstants(CardNumberForm::Spaces);
    if (oneChannel)
        writer.putf("#define ADChan\t     %d\n", record.channel);
    else
        writer.putf("#define LastADChan  %d\n#define ADChanCount  %d\n", record.channelCount - 1,
                    record.channelCount);
    writer.putf("#define ScanCount    %ld\n", static_cast<long>(record.scanCount));
    if (card.rate == RateConstant::AllChannels)
        writer.putf("#define SampleRate   %.4f\n", record.channelCount * record.sampleRate);
    else if (card.rate == RateConstant::AsGiven)
        writer.putf("#define SampleRate   %.4f\n", record.sampleRate);
    if (card.writeConstants)
        card.writeConstants(writer, record);

    writer.beginVariables();
    // The double-buffer loop passes fstop as well, so it is declared for that loop too.
    WriteTransferVariables(writer, record.syncMode == 2 || doubleBuffer, doubleBuffer, "AccessCnt");
    if (toFile) {
        writer.fileNameVariable();
    } else {
        const std::uint32_t size = std::uint32_t{record.channelCount} * record.scanCount;
        writer.putf("%s InBuf[%u]; //AI data buffer\n", type, size);
        if (volts)
            writer.putf("F64 InVolBuf[%u]; // AI voltages buffer\n", size);
    }

    writer.registerCard();
    writer.put("\terr = AI_InitialMemoryAllocated(cardID,&MemSize);\n");
    writer.errCheck();
    WriteMemoryCheck(writer, oneChannel ? "ScanCount" : "ScanCount*ADChanCount", type);
    writer.putf("\terr = AI_AsyncDblBufferMode(cardID, %d);\n", record.doubleBuffer);
    writer.errCheck();
    if (card.writeConfig) {
        card.writeConfig(writer, record);
        writer.errCheck();
    }
    WriteReadCall(writer, record, card);

    if (doubleBuffer)
        WriteDoubleBufferLoop(writer, record);
    else if (record.syncMode == 2)
        WriteAsyncWait(writer, "AI", "AccessCnt");
    if (!doubleBuffer && volts && !toFile) {
        writer.putf(oneChannel
                        ? "\terr=AI_ContVScale (cardID, %s, InBuf, InVolBuf, ScanCount);\n"
                        : "\terr=AI_ContVScale (cardID, %s, InBuf, InVolBuf, ScanCount*ADChanCount);\n",
                    RangeName(record.adRange));
        writer.errCheck();
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
