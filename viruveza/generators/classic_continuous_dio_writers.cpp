#include "viruveza/generators/classic_continuous_dio_writers.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/continuous_blocks.h"
#include "viruveza/generators/data_types.h"
#include "viruveza/generators/name_lists.h"

#include <span>

namespace doz::generators {

namespace {

using namespace classic_card;

// Clock names by `clockSource`.
constexpr std::array<const char*, 4> D210InputClocks = {"", "TRIG_INT_PACER", "TRIG_EXT_STROBE",
                                                        "TRIG_HANDSHAKE"};
constexpr std::array<const char*, 6> D260InputClocks = {
    "", "TRIG_INT_PACER", "TRIG_EXT_STROBE", "TRIG_HANDSHAKE", "TRIG_CLK_10MHZ", "TRIG_CLK_20MHZ"};
constexpr std::array<const char*, 4> D210OutputClocks = {"", "TRIG_INT_PACER", "", "TRIG_HANDSHAKE"};
constexpr std::array<const char*, 9> D260OutputClocks = {
    "",
    "TRIG_INT_PACER",
    "",
    "TRIG_HANDSHAKE",
    "TRIG_CLK_10MHZ",
    "TRIG_CLK_20MHZ",
    "TRIG_DO_CLK_TIMER_ACK",
    "TRIG_DO_CLK_10M_ACK",
    "TRIG_DO_CLK_20M_ACK",
};

constexpr std::array<const char*, 4> D260WaitModes = {"PD260_WAIT_NO", "PD260_WAIT_TRG", "PD260_WAIT_FIFO",
                                                      "PD260_WAIT_BOTH"};

enum class Model : std::uint8_t { D210, D260, Other };

struct DioCard {
    std::uint16_t cardType;
    Model model;
    std::span<const char* const> inputClocks;
    std::span<const char* const> outputClocks;
};

constexpr auto DioCards = std::to_array<DioCard>({
    {D210, Model::D210, D210InputClocks, D210OutputClocks},
    {D260A_RevB, Model::D260, D260InputClocks, D260OutputClocks},
});

constexpr DioCard OtherCard = {0, Model::Other, {}, {}};

// What input and output differ in.
struct Direction {
    const char* api;                               // DI, DO
    std::span<const char* const> DioCard::*clocks; // the card's clock names for this direction
    DataKind kind;                                 // element type of cards other than the D260
    const char* channel;                           // DIChan, DOChan
    const char* buffer;                            // InBuf, OutBuf
    const char* bufferComment;                     // of its declaration
    const char* countVariable;                     // AccessCnt, WriteCnt
    const char* memoryCall;                        // asks the driver for its buffer memory
    const char* polarityConstant;                  // I_Cntrl_Pol, O_Cntrl_Pol
    const char* polarityNames[3][2];               // request, acknowledge, trigger: rising then falling edge
    const char* nextReadyCall;                     // the wait for the next buffer of the ring
    const char* readyComment;
};

constexpr Direction Input = {
    "DI",
    &DioCard::inputClocks,
    DataKind::ContinuousDi,
    "DIChan",
    "InBuf",
    "input data buffer",
    "AccessCnt",
    "\terr = DI_InitialMemoryAllocated(cardID, &MemSize);\n",
    "I_Cntrl_Pol",
    {{"PD260_DIREQ_POS", "PD260_DIREQ_NEG"},
     {"PD260_DIACK_POS", "PD260_DIACK_NEG"},
     {"PD260_DITRIG_POS", "PD260_DITRIG_NEG"}},
    "DI_AsyncMultiBufferNextReady (cardID, &HalfReady, &viewIdx);",
    "//InBuf[viewIdx] buffer data is ready for read",
};

constexpr Direction Output = {
    "DO",
    &DioCard::outputClocks,
    DataKind::ContinuousDo,
    "DOChan",
    "OutBuf",
    "output data buffer",
    "WriteCnt",
    "\terr = DO_InitialMemoryAllocated(cardID,&MemSize);\n",
    "O_Cntrl_Pol",
    {{"PD260_DOREQ_POS", "PD260_DOREQ_NEG"},
     {"PD260_DOACK_POS", "PD260_DOACK_NEG"},
     {"PD260_DOTRIG_POS", "PD260_DOTRIG_NEG"}},
    "DO_AsyncMultiBufferNextReady (cardID, &HalfReady, &viewIdx);",
    "// OutBuf[viewIdx] buffer data is ready for read",
};

// One transfer as the record describes it.
struct Transfer {
    const DioCard& card;
    const char* elementType;
    const char* clock;
    bool multipleBuffers; // the D260's ring of buffers
};

const char* NameIn(std::span<const char* const> names, std::size_t index) {
    return index < names.size() ? names[index] : "";
}

// The D260's element type by port width; other widths have none.
struct PortWidthType {
    std::uint16_t portWidth;
    const char* type;
};
constexpr std::array<PortWidthType, 3> D260ElementTypes = {{{8, "U8"}, {16, "U16"}, {32, "U32"}}};

const char* D260ElementType(std::uint16_t portWidth) {
    for (const PortWidthType& width : D260ElementTypes)
        if (width.portWidth == portWidth)
            return width.type;
    return "";
}

Transfer TransferOf(const DeviceSetup& record, const Direction& direction) {
    const DioCard* found = FindCardRow(DioCards, record.cardType);
    const DioCard& card = found ? *found : OtherCard;
    return {card,
            card.model == Model::D260 ? D260ElementType(record.portWidth)
                                      : ClassicDataTypeName(record.cardType, direction.kind),
            NameIn(card.*direction.clocks, record.clockSource),
            card.model == Model::D260 && record.doubleBuffer != 0};
}

const char* D260Terminator(const DeviceSetup& record) {
    return record.terminator == 1 ? "PD260_TERM_ON" : "PD260_TERM_OFF";
}

// The D260 constants both directions share: buffer count, port width and handshake polarities.
void WriteD260Constants(CodeWriter& writer, const DeviceSetup& record, const Direction& direction) {
    if (record.doubleBuffer != 0)
        writer.putf("#define BufCnt     %d\n", record.burstCount);
    writer.putf("\n//%s config constants definition\n", direction.api);
    writer.putf("#define PortWidth     %d\n", record.portWidth);
    const auto& names = direction.polarityNames;
    writer.putf("#define %s    %s", direction.polarityConstant, names[0][record.ctrlPolarity & 1 ? 1 : 0]);
    writer.putf("|%s", names[1][record.ctrlPolarity & 2 ? 1 : 0]);
    writer.putf("|%s\n", names[2][record.ctrlPolarity & 4 ? 1 : 0]);
}

void WriteBufferDeclarations(CodeWriter& writer, const DeviceSetup& record, const Direction& direction,
                             const Transfer& transfer) {
    if (transfer.multipleBuffers) {
        writer.putf("%s** %s; // %s\n", transfer.elementType, direction.buffer, direction.bufferComment);
        writer.put("U16 vi  = 0;\nU16 *BufferId;\n");
        // The ring's wait names the ready buffer here.
        writer.put("U16 viewIdx = 0;\n");
    } else {
        writer.putf("%s %s[%u]; // %s\n", transfer.elementType, direction.buffer, record.scanCount,
                    direction.bufferComment);
    }
}

void WriteMemoryQuery(CodeWriter& writer, const Direction& direction, const Transfer& transfer) {
    writer.put(direction.memoryCall);
    writer.errCheck();
    WriteMemoryCheck(writer, "SampleCount", transfer.elementType);
}

// The D260's ring: allocate and register the buffers, start, then take each buffer as it is ready.
void WriteMultipleBuffers(CodeWriter& writer, const Direction& direction, const Transfer& transfer) {
    writer.putf("\t//Allocate Memory for %s Buffers\n", direction.api);
    writer.putf("\t%s = new %s *[BufCnt];\n", direction.buffer, transfer.elementType);
    writer.put("\tBufferId = new U16[BufCnt];\n");
    writer.put("\tfor (vi=0; vi<BufCnt; vi++) {\n");
    writer.putf("\t       %s[vi] = new %s[SampleCount];\n", direction.buffer, transfer.elementType);
    writer.putf("\t       err = %s_ContMultiBufferSetup (cardID, %s[vi], SampleCount, &BufferId[vi]);\n",
                direction.api, direction.buffer);
    WriteLoopErrCheck(writer);
    writer.put("\t}\n");
    writer.putf("\terr = %s_ContMultiBufferStart (cardID, %s, SampleRate);\n", direction.api,
                direction.channel);
    writer.errCheck();
    WriteReadyLoopHead(writer, direction.nextReadyCall, direction.readyComment);
    writer.put("\t       //ToDo : Handle buffer data here\n");
    WriteReadyLoopEnd(writer, direction.api, direction.countVariable);
}

void WriteInputRead(CodeWriter& writer, const DeviceSetup& record) {
    writer.putf(
        record.toFile != 0
            ? "\terr=DI_ContReadPortToFile (cardID, DIChan, file_name, SampleCount, SampleRate, %s);\n"
            : "\terr=DI_ContReadPort (cardID, DIChan, InBuf, SampleCount, SampleRate, %s);\n",
        SyncOperation(record));
    writer.errCheck();
}

void WriteD210Input(CodeWriter& writer, const DeviceSetup& record, const Transfer& transfer) {
    writer.putf("\terr=DI_D210_Config(cardID, %s, ", transfer.clock);
    writer.putf("%s, ", record.waitMode == 2 ? "DI_WAITING" : "DI_NOWAITING");
    writer.putf("%s, ", record.trigPolarity == 4 ? "DI_TRIG_RISING" : "DI_TRIG_FALLING");
    writer.putf("%s);\n", record.reqPolarity == 8 ? "IREQ_RISING" : "IREQ_FALLING");
    writer.errCheck();
    writer.putf("\terr = DI_AsyncDblBufferMode(cardID, %d);\n", record.doubleBuffer);
    writer.errCheck();
    WriteInputRead(writer, record);
    if (record.doubleBuffer != 0) {
        WriteReadyLoopHead(writer, "DI_AsyncDblBufferHalfReady (cardID, &HalfReady);",
                           "//half buffer data is ready for read");
        writer.put(record.toFile != 0 ? "\t       DI_AsyncDblBufferTransfer (cardID, NULL);\n"
                                      : "\t       DI_AsyncDblBufferTransfer (cardID, InBuf);\n");
        WriteReadyLoopEnd(writer, "DI", "AccessCnt");
    } else if (record.syncMode == 2) {
        WriteAsyncWait(writer, "DI", "AccessCnt");
    }
}

void WriteD260Input(CodeWriter& writer, const DeviceSetup& record, const Transfer& transfer) {
    writer.putf("\terr=DI_D260B_Config(cardID, PortWidth, %s, ", transfer.clock);
    writer.putf("%s, ", NameAt(D260WaitModes, record.waitMode));
    writer.putf("%s, ", D260Terminator(record));
    writer.put("I_Cntrl_Pol, ClearFifo, DisableDI);\n");
    writer.errCheck();
    if (transfer.multipleBuffers) {
        WriteMultipleBuffers(writer, Input, transfer);
        return;
    }
    WriteInputRead(writer, record);
    if (record.syncMode == 2)
        WriteAsyncWait(writer, "DI", "AccessCnt");
}

void WriteD210Output(CodeWriter& writer, const DeviceSetup& record, const Transfer& transfer) {
    writer.putf("\terr=DO_D210_Config(cardID, %s, %s, OTRIG_LOW);\n", transfer.clock,
                record.waitMode == 16 ? "OREQ_ENABLE" : "OREQ_DISABLE");
    writer.errCheck();
    writer.putf(
        "\terr = DO_ContWritePort (cardID, DOChan, OutBuf, SampleCount, Iteration, SampleRate, %s);\n",
        SyncOperation(record));
    writer.errCheck();
    if (record.syncMode == 2)
        WriteAsyncWait(writer, "DO", "WriteCnt");
}

void WriteD260Output(CodeWriter& writer, const DeviceSetup& record, const Transfer& transfer) {
    writer.putf("\terr=DO_D260B_Config(cardID, PortWidth, %s, ", transfer.clock);
    writer.putf("%s, ", NameAt(D260WaitModes, record.waitMode));
    writer.putf("%s, O_Cntrl_Pol, FifoThreshold);\n", D260Terminator(record));
    writer.errCheck();
    if (transfer.multipleBuffers) {
        WriteMultipleBuffers(writer, Output, transfer);
        return;
    }
    writer.put(
        "\terr = DO_ContWritePort (cardID, DOChan, OutBuf, SampleCount, Iteration, SampleRate, SyncMode);\n");
    writer.errCheck();
    if (record.syncMode == 2)
        WriteAsyncWait(writer, "DO", "WriteCnt");
}

} // namespace

WriterOutcome WriteClassicContinuousDi(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const Transfer transfer = TransferOf(record, Input);
    const Model model = transfer.card.model;

    writer.beginConstants(CardNumberForm::Spaces);
    writer.putf("#define DIChan\t     %d\n", 0);
    writer.putf("#define SampleCount  %ld\n", static_cast<long>(record.scanCount));
    writer.putf("#define SampleRate   %.4f\n", record.sampleRate);
    if (model == Model::D260) {
        WriteD260Constants(writer, record, Input);
        writer.putf("#define ClearFifo     %d\n", record.trigMode);
        writer.putf("#define DisableDI     %d\n", record.dataFormat);
    }

    writer.beginVariables();
    WriteTransferVariables(writer, record.syncMode == 2, record.doubleBuffer != 0, Input.countVariable);
    if (record.toFile != 0)
        writer.fileNameVariable();
    // The ring of buffers never goes to the file, and needs its buffers declared even then.
    if (transfer.multipleBuffers || record.toFile == 0)
        WriteBufferDeclarations(writer, record, Input, transfer);

    writer.registerCard();
    WriteMemoryQuery(writer, Input, transfer);
    if (model == Model::D210)
        WriteD210Input(writer, record, transfer);
    else if (model == Model::D260)
        WriteD260Input(writer, record, transfer);
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome WriteClassicContinuousDo(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const Transfer transfer = TransferOf(record, Output);
    const Model model = transfer.card.model;

    writer.beginConstants(CardNumberForm::Spaces);
    writer.putf("#define DOChan\t     %d\n", 0);
    writer.putf("#define SampleCount  %ld\n", static_cast<long>(record.scanCount));
    writer.putf("#define SampleRate   %.4f\n", record.sampleRate);
    writer.putf("#define Iteration    %d\n", record.postCount);
    if (model == Model::D260) {
        // The single write call of the D260 names its operation SyncMode.
        if (!transfer.multipleBuffers)
            writer.putf("#define SyncMode     %s\n", SyncOperation(record));
        WriteD260Constants(writer, record, Output);
        writer.putf("#define FifoThreshold   0x%x\n", record.sampleInterval);
    }

    writer.beginVariables();
    // The D260's O_Cntrl_Pol is the constant above; a variable of that name cannot be declared.
    WriteTransferVariables(writer, record.syncMode == 2, record.doubleBuffer != 0, Output.countVariable);
    WriteBufferDeclarations(writer, record, Output, transfer);

    writer.registerCard();
    WriteMemoryQuery(writer, Output, transfer);
    if (model == Model::D210)
        WriteD210Output(writer, record, transfer);
    else if (model == Model::D260)
        WriteD260Output(writer, record, transfer);
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
