#include "viruveza/generators/interrupt_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/name_lists.h"

#include <span>

namespace doz::generators {

namespace {

using namespace classic_card;

// How a card's interrupts are enabled, waited on and handed to a callback.
enum class Model : std::uint8_t {
    DualLines, // two interrupt lines, INT1 and INT2
    D260,      // auxiliary input (first line) and timer T2 (second line)
    D295,      // a change-of-state port
};

// Which change-of-state settings a card's sources bring.
enum class ChangeOfState : std::uint8_t {
    None,
    ControlValue, // D240, D245: source 0 with the control value
    PortPairs,    // D270: source 0 on ports P1 and P2, source 4 on P3 and P4
};

struct InterruptCard {
    std::uint16_t cardType;
    Model model;
    std::span<const char* const> sources; // by source index (`trigMode`)
    std::uint16_t secondLineFrom;         // the first source of the second line
    ChangeOfState changeOfState;
};

constexpr std::array<const char*, 2> ExtSignalSources = {"INT1_EXT_SIGNAL", "INT2_EXT_SIGNAL"};
constexpr std::array<const char*, 6> D230Sources = {"INT1_FP1C0", "INT1_RP1C0_FP1C3", "INT1_EVENT_COUNTER",
                                                    "INT2_FP2C0", "INT2_RP2C0_FP2C3", "INT2_TIMER_COUNTER"};
constexpr std::array<const char*, 2> T310Sources = {"INT1_COUT12", "INT2_EXT_SIGNAL"};
constexpr std::array<const char*, 8> D270Sources = {
    "INT1_COS", "INT1_FP1C0", "INT1_RP1C0_FP1C3", "INT1_EVENT_COUNTER",
    "INT2_COS", "INT2_FP2C0", "INT2_RP2C0_FP2C3", "INT2_TIMER_COUNTER"};
constexpr std::array<const char*, 3> D240Sources = {"INT1_COS", "INT1_CH0", "INT2_CH1"};

constexpr auto InterruptCards = std::to_array<InterruptCard>({
    {D220, Model::DualLines, ExtSignalSources, 1, ChangeOfState::None},
    {D223, Model::DualLines, ExtSignalSources, 1, ChangeOfState::None},
    {D280, Model::DualLines, ExtSignalSources, 1, ChangeOfState::None},
    {D281, Model::DualLines, ExtSignalSources, 1, ChangeOfState::None},
    {D242, Model::DualLines, ExtSignalSources, 1, ChangeOfState::None},
    {D230, Model::DualLines, D230Sources, 3, ChangeOfState::None},
    {D231, Model::DualLines, D230Sources, 3, ChangeOfState::None},
    {D250, Model::DualLines, D230Sources, 3, ChangeOfState::None},
    {T310, Model::DualLines, T310Sources, 1, ChangeOfState::None},
    {D270, Model::DualLines, D270Sources, 4, ChangeOfState::PortPairs},
    {D240, Model::DualLines, D240Sources, 2, ChangeOfState::ControlValue},
    {D245, Model::DualLines, D240Sources, 2, ChangeOfState::ControlValue},
    // Every source but 0 is the D260's timer.
    {D260A_RevB, Model::D260, {}, 1, ChangeOfState::None},
    // The D295's source is its port number, always on the first line.
    {D295, Model::D295, {}, 0, ChangeOfState::None},
});

// Cards outside the table enable both lines without defining them, on the first line.
constexpr InterruptCard OtherCard = {0, Model::DualLines, {}, 0, ChangeOfState::None};

// The calls of each model: enabling for the event method, registering the callback of each line.
struct ModelCalls {
    const char* enable;
    const char* disable;
    const char* registerFirst;
    const char* unregisterFirst;
    const char* registerSecond; // null where there is no second line
    const char* unregisterSecond;
};

constexpr ModelCalls DualLineCalls = {
    "\terr = DIO_SetDualInterrupt(cardID, INT1Src, INT2Src, hIntEvent);\n",
    "\terr = DIO_SetDualInterrupt(cardID, INT1_DISABLE, INT2_DISABLE, hIntEvent);\n",
    "\terr = DIO_INT1_EventMessage (cardID, INT1Src, NULL, NULL, (void *) cbfn);\n",
    "\terr = DIO_INT1_EventMessage (cardID, INT1_DISABLE, NULL, NULL, NULL);\n",
    "\terr = DIO_INT2_EventMessage (cardID, INT2Src, NULL, NULL, (void *) cbfn);\n",
    "\terr = DIO_INT2_EventMessage (cardID, INT2_DISABLE, NULL, NULL, NULL);\n",
};

constexpr ModelCalls D260Calls = {
    "\terr = DIO_D260SetInterrupt(cardID, AuxDIEn, T2En, hIntEvent);\n",
    "\terr = DIO_D260SetInterrupt(cardID, 0, 0, hIntEvent);\n",
    "\terr = DIO_AUXDI_EventMessage (cardID, AuxDIEn, NULL, NULL, (void *) cbfn);\n",
    "\terr = DIO_AUXDI_EventMessage (cardID, 0, NULL, NULL, NULL);\n",
    "\terr = DIO_T2_EventMessage (cardID, T2En, NULL, NULL, (void *) cbfn);\n",
    "\terr = DIO_T2_EventMessage (cardID, 0, NULL, NULL, NULL);\n",
};

// The D295 hands its callback the event that enabling the port created, hIntEvent.
constexpr ModelCalls D295Calls = {
    "\terr = DIO_SetCOSInterrupt32(cardID, Port, COSCtrlVal, &hIntEvent, EvtManualReset);\n",
    "\terr = DIO_SetCOSInterrupt32(cardID, Port, 0, NULL, 0);\n",
    "\terr = DIO_INT_Event_Message (cardID, hIntEvent, NULL, NULL, (void *) cbfn);\n",
    "\terr = DIO_INT_Event_Message (cardID, hIntEvent, NULL, NULL, NULL);\n",
    nullptr,
    nullptr,
};

const ModelCalls& CallsOf(Model model) {
    switch (model) {
    case Model::D260:
        return D260Calls;
    case Model::D295:
        return D295Calls;
    case Model::DualLines:
        break;
    }
    return DualLineCalls;
}

enum Method : std::uint16_t { EventWaiting = 0, Callback = 1 };

// The interrupt as the record chooses it.
struct Interrupt {
    const InterruptCard& card;
    bool listed; // the card has a row of its own
    std::uint16_t source;
    bool secondLine;
    std::span<const char* const> cosPorts; // the D270's change-of-state port pair; empty otherwise
    bool cosControlValue;                  // the D240's and D245's change-of-state control value
};

constexpr std::array<const char*, 2> FirstPortPair = {"Channel_P1", "Channel_P2"};
constexpr std::array<const char*, 2> SecondPortPair = {"Channel_P3", "Channel_P4"};

Interrupt InterruptOf(const DeviceSetup& record) {
    const InterruptCard* found = FindCardRow(InterruptCards, record.cardType);
    const InterruptCard& card = found ? *found : OtherCard;
    const std::uint16_t source = record.trigMode;
    bool secondLine = false;
    switch (card.model) {
    case Model::DualLines:
        // A source outside the card's list counts as one of the first line.
        secondLine = source >= card.secondLineFrom && source < card.sources.size();
        break;
    case Model::D260:
        secondLine = source >= card.secondLineFrom;
        break;
    case Model::D295:
        break;
    }
    std::span<const char* const> cosPorts;
    if (card.changeOfState == ChangeOfState::PortPairs && source == 0)
        cosPorts = FirstPortPair;
    else if (card.changeOfState == ChangeOfState::PortPairs && source == card.secondLineFrom)
        cosPorts = SecondPortPair;
    return {card,       found != nullptr, source,
            secondLine, cosPorts,         card.changeOfState == ChangeOfState::ControlValue && source == 0};
}

const char* SourceName(const Interrupt& interrupt) {
    const auto& sources = interrupt.card.sources;
    return interrupt.source < sources.size() ? sources[interrupt.source] : "";
}

void WriteConstants(CodeWriter& writer, const DeviceSetup& record, const Interrupt& interrupt) {
    if (interrupt.listed && interrupt.card.model == Model::DualLines) {
        writer.putf("#define INT1Src\t%s\n", interrupt.secondLine ? "INT1_DISABLE" : SourceName(interrupt));
        writer.putf("#define INT2Src\t%s\n", interrupt.secondLine ? SourceName(interrupt) : "INT2_DISABLE");
    }
    if (interrupt.card.model == Model::D260) {
        writer.putf("#define AuxDIEn\t%s\n", interrupt.secondLine ? "0" : "1");
        writer.putf("#define T2En\t%s\n", interrupt.secondLine ? "1" : "0");
    }
    if (!interrupt.cosPorts.empty()) {
        writer.put("\n//COS Control Value definition\n");
        for (std::size_t pair = 0; pair < interrupt.cosPorts.size(); ++pair) {
            const char* port = interrupt.cosPorts[pair];
            const unsigned bits = record.configFlags >> (4 * pair);
            writer.putf("#define %s_CtrlA\t%d\n", port, bits & 1);
            writer.putf("#define %s_CtrlB\t%d\n", port, (bits >> 1) & 1);
            writer.putf("#define %s_CtrlC\t%d\n", port, (bits >> 2) & 1);
        }
        writer.put("\n");
    }
    if (interrupt.cosControlValue) {
        writer.put("\n//COS Control Value definition\n");
        writer.putf("#define COSCtrlVal\t%u\n", static_cast<unsigned>(record.scanInterval));
    }
    if (interrupt.card.model == Model::D295) {
        writer.put("\n//event reset mode definition\n");
        writer.putf("#define EvtManualReset %d\n", record.syncMode);
        writer.put("\n//Port# definition\n");
        writer.putf("#define Port\t%d\n", record.trigMode);
        writer.put("\n//COS Control Value definition\n");
        writer.putf("#define COSCtrlVal\t%u\n", static_cast<unsigned>(record.scanInterval));
    }
    if (record.trigSource == EventWaiting)
        writer.putf("#define TimeOut\t%s // event waiting timeout value \n", "INFINITE");
}

void WriteVariables(CodeWriter& writer, const DeviceSetup& record, const Interrupt& interrupt) {
    const bool d295 = interrupt.card.model == Model::D295;
    if (record.trigSource == EventWaiting) {
        writer.put(d295 ? "HANDLE hIntEvent; // interrupt event\n"
                        : "HANDLE hIntEvent[2]; // interrupt events\n");
        return;
    }
    // The D295's callback is given the event its port interrupt creates.
    if (d295 && record.trigSource == Callback)
        writer.put("HANDLE hIntEvent; // interrupt event\n");
    writer.put("\nLRESULT CALLBACK cbfn(); // callback function declaration\n");
}

void WriteCall(CodeWriter& writer, const char* call) {
    writer.put(call);
    writer.errCheck();
}

void WriteCosEnable(CodeWriter& writer, const Interrupt& interrupt) {
    if (interrupt.cosControlValue)
        WriteCall(writer, "\terr = DIO_SetCOSInterrupt(cardID, 0, COSCtrlVal, 0, 0);\n");
    for (const char* port : interrupt.cosPorts) {
        writer.putf("\terr = DIO_SetCOSInterrupt(cardID, %s, %s_CtrlA, %s_CtrlB, %s_CtrlC);\n", port, port,
                    port, port);
        writer.errCheck();
    }
}

void WriteCosDisable(CodeWriter& writer, const Interrupt& interrupt) {
    if (interrupt.cosControlValue)
        WriteCall(writer, "\terr = DIO_SetCOSInterrupt(cardID, 0, 0, 0, 0);\n");
    for (const char* port : interrupt.cosPorts) {
        writer.putf("\terr = DIO_SetCOSInterrupt(cardID, %s, 0, 0, 0);\n", port);
        writer.errCheck();
    }
}

void WriteEventWaiting(CodeWriter& writer, const Interrupt& interrupt) {
    const ModelCalls& calls = CallsOf(interrupt.card.model);
    WriteCall(writer, calls.enable);
    WriteCosEnable(writer, interrupt);
    if (interrupt.card.model == Model::D295)
        writer.put("\tif (WaitForSingleObject(hIntEvent, TimeOut)== WAIT_OBJECT_0) {\n");
    else
        writer.putf("\tif (WaitForSingleObject(hIntEvent[%d], TimeOut)== WAIT_OBJECT_0) {\n",
                    interrupt.secondLine ? 1 : 0);
    writer.put("\t       //Interrupt occurs !!\n"
               "\t       //ToDo : Handle interrupt event here\n"
               "\t} else {\n"
               "\t       //Error or timeout occurs !!\n"
               "\t       //ToDo : Handle error here\n"
               "\t}\n");
    writer.put("\t//Disable interrupt\n");
    WriteCall(writer, calls.disable);
    WriteCosDisable(writer, interrupt);
    writer.releaseCard();
}

void WriteCallback(CodeWriter& writer, const Interrupt& interrupt) {
    const ModelCalls& calls = CallsOf(interrupt.card.model);
    const bool d295 = interrupt.card.model == Model::D295;
    WriteCosEnable(writer, interrupt);
    if (interrupt.secondLine) {
        WriteCall(writer, calls.registerSecond);
    } else {
        if (d295)
            WriteCall(writer, calls.enable);
        WriteCall(writer, calls.registerFirst);
    }
    writer.put("\t.....\n");
    writer.put("\t//Disable interrupt\n");
    if (interrupt.secondLine) {
        WriteCall(writer, calls.unregisterSecond);
    } else {
        if (d295)
            WriteCall(writer, calls.disable);
        WriteCall(writer, calls.unregisterFirst);
    }
    WriteCosDisable(writer, interrupt);
    writer.releaseCard();
    writer.put("\t\n\n//callback function code body\n");
    writer.put("\tLRESULT CALLBACK cbfn()\n"
               "\t{\n"
               "\t       //ToDo : Add your interrupt handler code here\n"
               "\t}\n");
}

} // namespace

WriterOutcome WriteClassicInterruptEvent(CodeWriter& writer) {
    DeviceSetup& record = writer.record();
    const Interrupt interrupt = InterruptOf(record);

    writer.beginConstants(CardNumberForm::Tab);
    WriteConstants(writer, record, interrupt);
    writer.beginVariables();
    WriteVariables(writer, record, interrupt);
    writer.registerCard();
    writer.put("\t//Enable interrupt\n");
    // Any other method writes no calls and leaves the card registered.
    if (record.trigSource == EventWaiting)
        WriteEventWaiting(writer, interrupt);
    else if (record.trigSource == Callback)
        WriteCallback(writer, interrupt);

    record.channel = interrupt.secondLine ? 1 : 0;
    return WriterOutcome::Written();
}

} // namespace doz::generators
