#include "viruveza/generators/counter_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/name_lists.h"

namespace doz::generators {

namespace {

// By `dataFormat`.
constexpr std::array<const char*, 6> CounterModes = {
    "TOGGLE_OUTPUT", "PROG_ONE_SHOT", "RATE_GENERATOR", "SQ_WAVE_RATE_GENERATOR", "SOFT_TRIG", "HARD_TRIG",
};

// The T310's clock sources by `trigMode`, and the sources of its CK1 clock by `trigSource`.
constexpr std::array<const char*, 4> T310ClockSources = {"ECKN", "COUTN_1", "CK1", "COUT10"};
constexpr std::uint16_t T310ClockCk1 = 2;
constexpr std::array<const char*, 2> T310Ck1Sources = {"CK1_C8M", "CK1_COUT11"};

} // namespace

WriterOutcome WriteCounter(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    // The T310 is a classic card; an E400 card type never names it.
    const bool t310 = writer.line() == CardLine::Classic && record.cardType == classic_card::T310;
    const bool ck1 = t310 && record.trigMode == T310ClockCk1;
    const bool read = record.syncMode != 0;
    const char* counting = record.channelCount == 0 ? "BIN" : "BCD";

    writer.beginConstants(CardNumberForm::Tab, DriverApi::Classic);
    writer.putf("#define CtrNo\t%d\n", record.channel);
    writer.putf("#define CtrMode\t%s\n", NameAt(CounterModes, record.dataFormat));
    if (t310) {
        writer.putf("#define ClockSrc    %s\n", NameAt(T310ClockSources, record.trigMode));
        if (ck1)
            writer.putf("#define CK1Src    %s\n", NameAt(T310Ck1Sources, record.trigSource));
    }
    writer.putf("#define CtrCount    %u\n", static_cast<unsigned>(record.scanInterval));

    writer.beginVariables();
    if (read)
        writer.put("U32 Value = 0;\n");

    writer.registerCard();
    if (t310) {
        writer.put("\t//T310 Counter config\n");
        if (ck1) {
            writer.put("\terr = CTR_T310_CK1_Config(cardID, CK1Src);\n");
            writer.errCheck();
        }
        writer.put("\terr = CTR_T310_ClkSrc_Config(cardID, CtrNo, ClockSrc);\n");
        writer.errCheck();
    }
    writer.put("\t//Counter setup\n");
    writer.putf("\terr = CTR_Setup(cardID, CtrNo, CtrMode, CtrCount, %s);\n", counting);
    writer.errCheck();
    if (read) {
        writer.put("\t//Counter read\n");
        writer.put("\terr = CTR_Read (cardID, CtrNo, (U32*) &Value);\n");
        writer.errCheck();
    }
    writer.put("\t//Counter reset\n");
    writer.putf("\terr = CTR_Setup(cardID, CtrNo, CtrMode, 0, %s);\n", counting);
    writer.put("\t//Or...\n");
    writer.put("\t//err = CTR_Clear (cardID, CtrNo, 1);\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
