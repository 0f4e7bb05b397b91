#include "viruveza/generators/classic_digital_writers.h"

#include "viruveza/generators/classic_port_names.h"
#include "viruveza/generators/data_types.h"

namespace doz::generators {

namespace {

struct DirectionTexts {
    PortDirection direction;
    const char* prefix;        // of the constants: DIPort, DOLine, ...
    const char* portDirection; // the Direction constant of configurable ports
};

constexpr DirectionTexts Input = {PortDirection::Input, "DI", "INPUT_PORT"};
constexpr DirectionTexts Output = {PortDirection::Output, "DO", "OUTPUT_PORT"};

struct Port {
    PortCard card;
    PortName name;
};

Port PortOf(const DeviceSetup& record, const DirectionTexts& texts) {
    const PortCard card = PortCardOf(record.cardType, texts.direction);
    return {card, PortAt(card, record.channel)};
}

// The port constants, then the line constant when one line is chosen.
void WritePortConstants(CodeWriter& writer, const DirectionTexts& texts, const Port& port) {
    const DeviceSetup& record = writer.record();
    switch (port.card.family) {
    case PortFamily::Configurable:
        if (port.name.configuredThrough)
            writer.putf("#define %sConfPort\t%s\n", texts.prefix, port.name.configuredThrough);
        writer.putf("#define %sPort\t%s\n", texts.prefix, port.name.name);
        writer.putf("#define Direction\t%s\n", texts.portDirection);
        break;
    case PortFamily::Auxiliary:
        writer.putf("#define %s\t%d\n", port.name.name, 1);
        writer.putf("#define %sPort\t%s\n", texts.prefix, port.name.name);
        break;
    case PortFamily::Named:
        writer.putf("#define %sPort\t%s\n", texts.prefix, port.name.name);
        break;
    case PortFamily::Numbered:
        writer.putf("#define %sPort\t%d\n", texts.prefix, record.channel);
        break;
    }
    if (record.dataFormat == 1)
        writer.putf("#define %sLine\t%d\n", texts.prefix, record.channelCount);
}

} // namespace

WriterOutcome WriteClassicDigitalInput(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const Port port = PortOf(record, Input);

    writer.beginConstants(CardNumberForm::Tab);
    WritePortConstants(writer, Input, port);

    writer.beginVariables();
    writer.putf("%s DIValue = 0; // returned DI value\n",
                ClassicDataTypeName(record.cardType, DataKind::DiValue));

    writer.registerCard();
    if (port.card.family == PortFamily::Configurable)
        writer.put(port.name.configuredThrough ? "\terr = DIO_PortConfig(cardID, DIConfPort, Direction);\n"
                                               : "\terr = DIO_PortConfig(cardID, DIPort, Direction);\n");
    writer.put(record.dataFormat == 0 ? "\terr = DI_ReadPort(cardID, DIPort, &DIValue);\n"
                                      : "\terr = DI_ReadLine(cardID, DIPort, DILine, &DIValue);\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome WriteClassicDigitalOutput(CodeWriter& writer) {
    const DeviceSetup& record = writer.record();
    const Port port = PortOf(record, Output);
    const char* type = port.name.wholePort ? "U32" : ClassicDataTypeName(record.cardType, DataKind::DoValue);

    writer.beginConstants(CardNumberForm::Tab);
    WritePortConstants(writer, Output, port);

    writer.beginVariables();
    writer.putf("%s DOValue = %u; // DO value\n", type, record.scanInterval);
    if (record.syncMode != 0)
        writer.putf(port.name.wholePort ? "%s DORbVal = 0; // DO value\n"
                                        : "%s DORbVal = 0; // DO read back value\n",
                    type);

    writer.registerCard();
    if (port.card.family == PortFamily::Configurable) {
        writer.put("\terr = DIO_PortConfig(cardID, DOPort, Direction);\n");
        writer.errCheck();
    }
    writer.put(record.dataFormat == 0 ? "\terr = DO_WritePort(cardID, DOPort, DOValue);\n"
                                      : "\terr = DO_WriteLine(cardID, DOPort, DOLine, DOValue);\n");
    writer.errCheck();
    if (record.syncMode != 0) {
        writer.put(record.dataFormat == 0 ? "\terr = DO_ReadPort(cardID, DOPort, &DORbVal);\n"
                                          : "\terr = DO_ReadLine(cardID, DOPort, DOLine, &DORbVal);\n");
        writer.errCheck();
    }
    writer.releaseCard();
    return WriterOutcome::Written();
}

} // namespace doz::generators
