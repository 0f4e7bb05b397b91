#include "viruveza/generators/e465_waveform_writer.h"

#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/e400_analog_trigger.h"
#include "viruveza/generators/e400_channel_config.h"
#include "viruveza/generators/e400_names.h"
#include "viruveza/generators/e400_waveform_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>

namespace doz::generators {

namespace {

using namespace e400;

// Which bits of `dataFormat` ask for a pattern in volts.
enum class VoltsTest : std::uint8_t { LowByte, HighByte, AnyBit };

// The running modes, by `adRange`; any other value runs the groups separately.
struct RunningMode {
    std::uint16_t code;
    std::size_t firstEntry; // the AO entries the channel selection scans
    std::size_t endEntry;
    const char* group; // nullptr: groups A and B run separately
    VoltsTest voltsTest;
    bool dmaDoublesBuffer; // DMA needs OutBuf twice the size
    bool waitsOnBothGroups;
};

constexpr std::array<RunningMode, 4> RunningModes = {{
    {0, 0, 4, "DA_Group_A", VoltsTest::LowByte, true, false},
    {4, 4, 8, "DA_Group_B", VoltsTest::HighByte, true, false},
    {8, 0, 8, "DA_Group_AB", VoltsTest::AnyBit, false, true},
    {12, 0, 8, nullptr, VoltsTest::AnyBit, false, true},
}};

const RunningMode& RunningModeOf(std::uint16_t code) {
    const auto found = std::find_if(RunningModes.begin(), RunningModes.end(),
                                    [code](const RunningMode& mode) { return mode.code == code; });
    return found != RunningModes.end() ? *found : RunningModes.back();
}

constexpr std::uint16_t GroupAVolts = 0x1;
constexpr std::uint16_t GroupBVolts = 0x100;

// The indefinite code of `syncMode` (group A) and of `outputMode` (group B).
constexpr std::uint16_t IndefiniteOperation = 2;

struct Waveform {
    const RunningMode& mode;
    bool separate;
    bool one;
    std::span<const std::uint16_t> channels; // the first `channelCount` enabled entries
    E465ChannelList groups;
    bool dma;
    bool doubleBuffer;
    bool volts;               // OutVolBuf and vii exist, and the pattern is converted from volts
    long long updateCountB;   // groups run separately: group B's update count
    const char* patternCount; // the update count a pattern holds: groups run separately take the larger
    const char* channel;      // the channel argument inside the pattern loop
};

bool VoltsRequested(const DeviceSetup& record, VoltsTest test) {
    switch (test) {
    case VoltsTest::LowByte:
        return record.dataFormat & 0xFFu;
    case VoltsTest::HighByte:
        return record.dataFormat & 0xFF00u;
    case VoltsTest::AnyBit:
        break;
    }
    return record.dataFormat != 0;
}

// `sampleRate` holds group B's update count; truncated toward zero, 0 when it is no number.
long long UpdateCountB(double sampleRate) {
    const double count = std::trunc(sampleRate);
    return count >= -9.0e18 && count <= 9.0e18 ? static_cast<long long>(count) : 0;
}

void WriteCountConstants(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    if (waveform.one) {
        writer.putf("#define DAChan\t     %d\n", record.channel);
    } else {
        if (waveform.separate) {
            writer.putf("#define DAChanCountA  %d\n", waveform.groups.groupA);
            writer.putf("#define DAChanCountB  %d\n", waveform.groups.groupB);
        }
        writer.putf("#define DAChanCount  %d\n", record.channelCount);
    }
    if (waveform.separate) {
        writer.putf("#define UpdateCountA    %lu\n", static_cast<unsigned long>(record.scanCount));
        writer.putf("#define UpdateCountB    %lld\n", waveform.updateCountB);
        writer.putf("#define GroupA_CHUI     %u\n", record.scanInterval);
        writer.putf("#define GroupB_CHUI     %u\n", record.sampleInterval);
        if (record.syncMode == DefiniteOperation || record.outputMode == DefiniteOperation)
            writer.put("#define Definite     1\n");
        if (record.syncMode == IndefiniteOperation || record.outputMode == IndefiniteOperation)
            writer.put("#define Indefinite   0\n");
        writer.putf("#define IterationA     %d\n", record.burstCount);
        writer.putf("#define IterationB     %d\n", record.toFile);
    } else {
        writer.putf("#define UpdateCount    %lu\n", static_cast<unsigned long>(record.scanCount));
        writer.putf("#define CHUI     %u\n", record.scanInterval);
        writer.put(record.syncMode == DefiniteOperation ? "#define Definite     1\n"
                                                        : "#define Indefinite   0\n");
        writer.putf("#define Iteration     %d\n", record.burstCount);
    }
    writer.put("\n//DA config constants definition\n");
}

GroupWords GroupAWords(const DeviceSetup& record, const Waveform& waveform) {
    return {waveform.separate ? "A" : "",
            waveform.separate ? "DA_Group_A" : waveform.mode.group,
            GroupWriteSourceNames,
            record.trigSource,
            record.trigFlags,
            record.reTrigCount,
            record.postCount,
            record.mCount};
}

GroupWords GroupBWords(const DeviceSetup& record) {
    return {"B",
            "DA_Group_B",
            ChannelWriteSourceNames,
            record.configFlags,
            record.trigMode,
            record.modeFlags,
            record.funcFlags,
            record.clockSelect};
}

void WriteConstants(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    writer.beginConstants(CardNumberForm::Spaces);
    WriteCountConstants(writer, waveform);
    WriteGroupConfigConstants(writer, GroupAWords(record, waveform));
    if (waveform.separate)
        WriteGroupConfigConstants(writer, GroupBWords(record));
    if (AnalogTriggerWanted(record, record.trigFlags) || AnalogTriggerWanted(record, record.trigMode))
        WriteAnalogTriggerConstants(writer, waveform.channels.front(), ChannelTriggerInputs::Unnamed);
    writer.putf("#define BufAutoReset    %d\n", 0);
    if (waveform.separate) {
        writer.putf("\n#define StopModeA    %s\n", StopModeName(record.terminator));
        writer.putf("#define StopModeB    %s\n", StopModeName(record.portWidth));
    } else {
        writer.putf("\n#define StopMode    %s\n", StopModeName(record.terminator));
    }
}

void WriteVariables(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    std::uint32_t outBuf = std::uint32_t{record.channelCount} * record.scanCount;
    std::uint32_t outBuf2 = outBuf;
    std::uint32_t volts = outBuf;
    if (waveform.separate) {
        outBuf = std::uint32_t{waveform.groups.groupA} * record.scanCount;
        outBuf2 = static_cast<std::uint32_t>(waveform.groups.groupB * waveform.updateCountB);
        volts = static_cast<std::uint32_t>(std::max<long long>(record.scanCount, waveform.updateCountB));
    } else if (waveform.dma && waveform.mode.dmaDoublesBuffer) {
        outBuf *= 2;
        outBuf2 = volts = outBuf;
    }

    writer.beginVariables();
    if (!waveform.one)
        writer.putf("%s  chans[DAChanCount]; // DA channels array\n", "U16");
    writer.putf("U8 fstop = %d;\n", 0);
    if (waveform.doubleBuffer)
        writer.putf("BOOLEAN HalfReady = %d;\n", 0);
    writer.putf("U32 WriteCnt = %u;\n", 0u);
    writer.putf("U32 MemSize   = %u;\n", 0u);
    writer.putf("U16 BufId   = %d;\n", 0);
    if (waveform.doubleBuffer || waveform.separate)
        writer.putf("U16 BufId2   = %d;\n", 0);
    writer.putf("%s OutBuf[%u]; //DA data buffer\n", "I16", outBuf);
    if (waveform.doubleBuffer || waveform.separate)
        writer.putf("%s OutBuf2[%u]; //DA data buffer2\n", "I16", outBuf2);
    if (waveform.volts) {
        writer.putf("F64 OutVolBuf[%u]; // DA voltages buffer\n", volts);
        writer.put("U16 vii = 0;\n");
    }
    writer.putf("%s *OutPattern; //DA output pattern\n", "I16");
    if (!waveform.separate)
        writer.putf("U16 DAGroup = %s; // DA group\n", waveform.mode.group);
    if (record.channelPattern == ConsecutiveAlike && !waveform.one)
        writer.put("U16 startChannel = 0;\n");
    writer.put("U16 vi = 0;\n");
}

// Groups run separately: each group is configured with its own constants and its own mode.
void WriteConfigCall(CodeWriter& writer, const char* suffix, std::uint16_t triggerWord) {
    const std::string delay = triggerWord & AoDelayModeBit ? std::string("DlyScans") + suffix : "0";
    writer.putf(
        "\terr=R4A_AO_Config(cardID, ConfigCtrl%s, TrigCtrl%s, ReTrgCnt%s, %s, Dly2Count%s, BufAutoReset);\n",
        suffix, suffix, suffix, delay.c_str(), suffix);
    writer.errCheck();
}

// The conversion loop of the first buffer when groups A and B run separately, by which group
// asks for volts: its head, and whether it closes an extra block.
bool WriteSeparateVoltsLoopHead(CodeWriter& writer, std::uint16_t voltsGroups) {
    switch (voltsGroups) {
    case GroupAVolts | GroupBVolts:
        writer.putf("\t              U32 COUNT_ONE_CH = %s;\n",
                    "(vi<DAChanCountA)? UpdateCountA:UpdateCountB");
        writer.put("\t              for(vii=0; vii<COUNT_ONE_CH; vii++) {\n");
        return false;
    case GroupAVolts:
        writer.put("\t              if(vi<DAChanCountA) {\n");
        writer.put("\t                for(vii=0; vii<UpdateCountA; vii++) {\n");
        return true;
    default:
        writer.put("\t              if(vi>=DAChanCountA) {\n");
        writer.put("\t                for(vii=0; vii<UpdateCountB; vii++) {\n");
        return true;
    }
}

void WritePatternBuffer(CodeWriter& writer, const Waveform& waveform, PatternBuffer buffer) {
    const int composeFlag = waveform.dma ? 0 : 1;
    // Groups run separately convert the groups that ask for volts; a volts flag of neither group
    // converts nothing.
    const std::uint16_t voltsGroups = writer.record().dataFormat & (GroupAVolts | GroupBVolts);
    if (waveform.volts && (!waveform.separate || voltsGroups)) {
        WriteVoltsPatternHead(writer, buffer);
        const bool extraBlock = waveform.separate && WriteSeparateVoltsLoopHead(writer, voltsGroups);
        if (!waveform.separate)
            writer.put("\t              for(vii=0; vii<UpdateCount; vii++) {\n");
        WriteVoltsPatternScale(writer, waveform.channel);
        if (extraBlock)
            writer.put("\t                }\n");
        writer.put("\t              }\n");
    } else {
        WriteRawPatternPlaceholder(writer, waveform.channel, buffer);
    }
    if (waveform.separate) {
        writer.put("\t              if (vi<DAChanCountA) //Create Group A pattern\n");
        writer.putf(
            "\t                  err=R4A_AO_ContBufferCompose (cardID, DA_Group_A, chans[vi], UpdateCountA, "
            "OutBuf, OutPattern, %d);\n",
            composeFlag);
        writer.put("\t              else //Create Group B pattern\n");
        writer.putf(
            "\t                  err=R4A_AO_ContBufferCompose (cardID, DA_Group_B, chans[vi], UpdateCountB, "
            "OutBuf2, OutPattern, %d);\n",
            composeFlag);
    } else {
        writer.putf("\t              err=R4A_AO_ContBufferCompose (cardID, DAGroup, %s, UpdateCount, %s, "
                    "OutPattern, %d);\n",
                    waveform.channel, buffer == PatternBuffer::Second ? "OutBuf2" : "OutBuf", composeFlag);
    }
    WriteComposeCheck(writer);
}

void WriteBuffersAndStart(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    const char* firstBuffer = waveform.dma ? "BufId" : "BufferNotUsed";
    const char* secondBuffer = waveform.doubleBuffer ? "BufId2" : "0";
    const char* modeA = record.syncMode == DefiniteOperation ? "Definite" : "Indefinite";
    if (waveform.one) {
        const char* count = waveform.dma ? "UpdateCount*2" : "UpdateCount";
        writer.putf("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf, %s, &BufId);\n", count);
        writer.errCheck();
        if (!waveform.dma) {
            writer.put("\terr=R4A_AO_Group_FIFOLoad (cardID, DAGroup, BufId, UpdateCount);\n");
            writer.errCheck();
        }
        if (waveform.doubleBuffer) {
            writer.putf("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf2, %s, &BufId2);\n", count);
            writer.errCheck();
        }
        writer.putf(
            "\terr=R4A_AO_Group_WFM_Start (cardID, DAGroup, %s, %s, UpdateCount, Iteration, CHUI, %s);\n",
            firstBuffer, secondBuffer, modeA);
        writer.errCheck();
        return;
    }
    if (waveform.separate) {
        for (const char* line :
             {"\terr=R4A_AO_ContBufferSetup (cardID, OutBuf, UpdateCountA*DAChanCountA, &BufId);\n",
              "\terr=R4A_AO_Group_FIFOLoad (cardID, DA_Group_A, BufId, UpdateCountA*DAChanCountA);\n",
              "\terr=R4A_AO_ContBufferSetup (cardID, OutBuf2, UpdateCountB*DAChanCountB, &BufId2);\n",
              "\terr=R4A_AO_Group_FIFOLoad (cardID, DA_Group_B, BufId2, UpdateCountB*DAChanCountB);\n"}) {
            writer.put(line);
            writer.errCheck();
        }
        writer.put("\t//Group A starts\n");
        writer.putf("\terr=R4A_AO_Group_WFM_Start (cardID, DA_Group_A, %s, %s, UpdateCountA, IterationA, "
                    "GroupA_CHUI, "
                    "%s);\n",
                    firstBuffer, secondBuffer, modeA);
        writer.errCheck();
        writer.put("\t//Group B starts\n");
        writer.putf("\terr=R4A_AO_Group_WFM_Start (cardID, DA_Group_B, %s, %s, UpdateCountB, IterationB, "
                    "GroupB_CHUI, "
                    "%s);\n",
                    waveform.dma ? "BufId2" : "BufferNotUsed", secondBuffer,
                    record.outputMode == DefiniteOperation ? "Definite" : "Indefinite");
        writer.errCheck();
        return;
    }
    writer.put("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf, UpdateCount*DAChanCount, &BufId);\n");
    writer.errCheck();
    if (!waveform.dma) {
        writer.put("\terr=R4A_AO_Group_FIFOLoad (cardID, DAGroup, BufId, UpdateCount*DAChanCount);\n");
        writer.errCheck();
    }
    if (waveform.doubleBuffer) {
        writer.put("\terr=R4A_AO_ContBufferSetup (cardID, OutBuf2, UpdateCount*DAChanCount, &BufId2);\n");
        writer.errCheck();
    }
    writer.putf("\terr=R4A_AO_Group_WFM_Start (cardID, DAGroup, %s, %s, UpdateCount, Iteration, CHUI, %s);\n",
                firstBuffer, secondBuffer, modeA);
    writer.errCheck();
    writer.errCheck();
}

constexpr const char* ClearGroupA =
    "\terr = R4A_AO_Group_WFM_AsyncClear(cardID, DA_Group_A, &WriteCnt, StopModeA);\n";
constexpr const char* ClearGroupB =
    "\terr = R4A_AO_Group_WFM_AsyncClear(cardID, DA_Group_B, &WriteCnt, StopModeB);\n";
constexpr const char* ClearDAGroup =
    "\terr = R4A_AO_Group_WFM_AsyncClear(cardID, DAGroup, &WriteCnt, StopMode);\n";
constexpr const char* StopConditionPlaceholder =
    "\t//ToDo : here to add the condition to stop the operation\n";

void WriteWaitOnBothGroups(CodeWriter& writer) {
    writer.put("\tdo {\n");
    writer.put("\t       R4A_AO_Group_WFM_AsyncCheck(cardID, DA_Group_AB, &fstop, &WriteCnt);\n");
    writer.put("\t       if(fstop&0x01) {\n");
    writer.put("\t              //Group A is finished\n");
    writer.put("\t       }\n");
    writer.put("\t       if(fstop&0x02 ) {\n");
    writer.put("\t              //Group B is finished\n");
    writer.put("\t       }\n");
    writer.put("\t} while (fstop!= 3); // fstop: bit 0: Group A, bit 1: Group B\n");
}

void WriteWaitOnOneGroup(CodeWriter& writer, const char* group) {
    writer.put("\tdo {\n");
    writer.putf("\t       R4A_AO_Group_WFM_AsyncCheck(cardID, %s, &fstop, &WriteCnt);\n", group);
    writer.put("\t} while (fstop!= 1);\n");
}

// Groups run separately: wait for the definite groups, then clear both.
void WriteSeparateCompletion(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const bool definiteA = record.syncMode == DefiniteOperation;
    const bool definiteB = record.outputMode == DefiniteOperation;
    if (definiteA && definiteB) {
        WriteWaitOnBothGroups(writer);
        writer.put(ClearGroupA);
        writer.errCheck();
        writer.put(ClearGroupB);
    } else if (definiteA || definiteB) {
        WriteWaitOnOneGroup(writer, definiteA ? "DA_Group_A" : "DA_Group_B");
        writer.put(definiteA ? ClearGroupA : ClearGroupB);
        writer.errCheck();
        writer.put(StopConditionPlaceholder);
        writer.put(definiteA ? ClearGroupB : ClearGroupA);
    } else {
        writer.put(StopConditionPlaceholder);
        writer.put(ClearGroupA);
        writer.errCheck();
        writer.put(ClearGroupB);
    }
}

void WriteCompletion(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    if (waveform.doubleBuffer) {
        writer.put("\tdo {\n");
        writer.put("\t       do {\n");
        writer.put("\t          R4A_AO_AsyncDblBufferHalfReady (cardID, &HalfReady);\n");
        writer.put("\t       } while (!HalfReady);\n");
        writer.put("\t       //half buffer data is ready for read\n");
        writer.put("\t} while (//here to add the condition to continue the acquisition);\n");
        writer.put(ClearDAGroup);
    } else if (record.trigSource & 0x3u) {
        writer.put("\n\t//Since the conversion source from external, using R4A_AO_Group_WFM_AsyncCheck\n");
        writer.put("\t//to check if the waveform generation is completed is not available.\n");
        writer.put("\t//User has to stop waveform generation by calling R4A_AO_Group_WFM_AsyncClear.\n");
        if (waveform.separate) {
            // Each group is stopped by its own clear, with its own stop mode.
            writer.put(ClearGroupA);
            writer.errCheck();
            writer.put(ClearGroupB);
        } else {
            writer.put(ClearDAGroup);
        }
    } else if (waveform.separate) {
        WriteSeparateCompletion(writer);
    } else {
        if (record.syncMode == DefiniteOperation) {
            if (waveform.mode.waitsOnBothGroups)
                WriteWaitOnBothGroups(writer);
            else
                WriteWaitOnOneGroup(writer, "DAGroup");
        } else {
            writer.put(StopConditionPlaceholder);
        }
        writer.put(ClearDAGroup);
    }
    writer.errCheck();
}

// The memory check, the channels and their group, and the configuration of each group.
void WriteChannelsAndConfiguration(CodeWriter& writer, const Waveform& waveform) {
    const DeviceSetup& record = writer.record();
    WriteAoMemoryCheck(writer, waveform.one ? waveform.patternCount
                                            : (std::string(waveform.patternCount) + "*DAChanCount").c_str());
    WriteAoChannelConfig(writer, waveform.channels, {"DAChan", true});
    // The channel is a constant: the group takes its address through a compound literal.
    if (waveform.one)
        writer.put("\terr = R4A_AO_Group_Setup(cardID, DAGroup, 1, &(U16){DAChan});\n");
    else
        writer.putf("\terr = R4A_AO_Group_Setup(cardID, %s, DAChanCount, chans);\n",
                    waveform.separate ? "DA_Group_AB" : "DAGroup");
    writer.errCheck();
    writer.putf("\terr = R4A_AO_AsyncDblBufferMode(cardID, %d);\n", record.doubleBuffer);
    writer.errCheck();
    // The analog trigger is applied when the group configured last asks for it.
    if (AnalogTriggerWanted(record, waveform.separate ? record.trigMode : record.trigFlags))
        WriteAnalogTriggerConfig(writer);
    WriteConfigCall(writer, waveform.separate ? "A" : "", record.trigFlags);
    if (waveform.separate)
        WriteConfigCall(writer, "B", record.trigMode);
}

// Why a record cannot give a file; nullptr when it can.
const char* Refusal(const DeviceSetup& record, const RunningMode& mode, const E465ChannelList& list) {
    if (list.channels.empty())
        return NoEnabledChannel;
    if (record.channelCount == 0 || record.channelCount > list.channels.size())
        return "channelCount does not match the channels enabled for the running group";
    if (!mode.group && record.channelCount == 1)
        return "groups A and B run separately need a channel in each group";
    if (!mode.group && record.doubleBuffer)
        return "groups A and B cannot run separately with double buffer";
    return nullptr;
}

} // namespace

WriterOutcome WriteE465Waveform(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const RunningMode& mode = RunningModeOf(record.adRange);
    const E465ChannelList list = NormaliseE465Channels(record, mode.firstEntry, mode.endEntry);
    if (const char* refusal = Refusal(record, mode, list))
        return WriterOutcome::Nothing(refusal);

    const bool separate = mode.group == nullptr;
    const long long updateCountB = UpdateCountB(record.sampleRate);
    const bool one = record.channelCount == 1;
    const Waveform waveform = {
        mode,
        separate,
        one,
        std::span<const std::uint16_t>(list.channels).first(record.channelCount),
        list,
        std::trunc(record.aoChannels[0].voltage) != 0.0,
        record.doubleBuffer != 0,
        VoltsRequested(record, mode.voltsTest),
        updateCountB,
        !separate                          ? "UpdateCount"
        : record.scanCount >= updateCountB ? "UpdateCountA"
                                           : "UpdateCountB",
        one ? "DAChan" : "chans[vi]",
    };

    WriteConstants(writer, waveform);
    WriteVariables(writer, waveform);
    writer.registerCard();
    WriteChannelsAndConfiguration(writer, waveform);
    WritePatternStart(writer, waveform.patternCount, one ? "1" : "DAChanCount");
    WritePatternBuffer(writer, waveform, waveform.doubleBuffer ? PatternBuffer::First : PatternBuffer::Only);
    if (waveform.doubleBuffer)
        WritePatternBuffer(writer, waveform, PatternBuffer::Second);
    WritePatternEnd(writer);
    WriteBuffersAndStart(writer, waveform);
    WriteCompletion(writer, waveform);
    writer.put("\t//Buffer unlock !!\n");
    writer.put("\terr=R4A_AO_ContBufferReset(cardID);\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
