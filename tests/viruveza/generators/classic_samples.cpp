#include "classic_samples.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/operation_names.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

namespace doz::generators::testing {

namespace {

using namespace classic_card;
using namespace classic_operation;

// The wizard's classic card list: the card types of each entry's sub-types and its operations.
struct WizardCard {
    std::vector<std::uint16_t> cardTypes;
    std::vector<std::uint16_t> operations;
};

const std::vector<WizardCard>& WizardCards() {
    static const std::vector<WizardCard> cards = {
        {{A120V, A120A}, {AnalogOutput, DigitalInput, DigitalOutput}},
        {{A130V, A130A}, {AnalogOutput, DigitalInput, DigitalOutput}},
        {{D210}, {DigitalInput, DigitalOutput, ContinuousDi, ContinuousDo}},
        {{D220}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{D223}, {DigitalInput, InterruptEvent}},
        {{D224}, {DigitalOutput}},
        {{D230}, {DigitalInput, DigitalOutput, Counter, InterruptEvent}},
        {{D231}, {DigitalInput, DigitalOutput, Counter, InterruptEvent}},
        {{D235}, {DigitalInput, DigitalOutput}},
        {{D237}, {DigitalInput, DigitalOutput}},
        {{D240}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{D242}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{D245}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{D250}, {DigitalInput, DigitalOutput, Counter, InterruptEvent}},
        {{D260A_RevB}, {DigitalInput, DigitalOutput, Counter, ContinuousDi, ContinuousDo}},
        {{D270}, {DigitalInput, DigitalOutput, Counter, InterruptEvent}},
        {{D280}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{D281}, {DigitalInput, InterruptEvent}},
        {{D282}, {DigitalOutput}},
        {{D295}, {DigitalInput, DigitalOutput, InterruptEvent}},
        {{T310}, {DigitalInput, DigitalOutput, Counter, InterruptEvent}},
        {{M610DG, M610HR}, {SinglePointAi, ContinuousAi, AnalogOutput, DigitalInput, DigitalOutput, Counter}},
        {{M620}, {SinglePointAi, ContinuousAi, AnalogOutput, DigitalInput, DigitalOutput, Counter}},
        {{M630}, {SinglePointAi, ContinuousAi, Counter}},
        {{M640DG, M640HG}, {SinglePointAi, ContinuousAi, DigitalInput, DigitalOutput, Counter}},
        {{M650}, {SinglePointAi, ContinuousAi, DigitalInput, DigitalOutput}},
        {{M660DG, M660HG, M660HR},
         {SinglePointAi, ContinuousAi, AnalogOutput, DigitalInput, DigitalOutput, Counter}},
        {{S720, S710}, {ContinuousAi}},
    };
    return cards;
}

DeviceSetup Base(const Offer& offer) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = offer.cardType;
    record.operation = offer.operation;
    return record;
}

// Port indexes inside the writers' port lists; cards without names take a few numbers.
std::uint16_t PortCount(std::uint16_t cardType, bool output) {
    switch (cardType) {
    case D230:
    case D231:
        return 10;
    case D250:
        return 20;
    case D270:
        return output ? 16 : 20;
    case M610DG:
    case M610HR:
        return 2;
    case D281: // input only
        return 2;
    case D282: // output only
        return 3;
    default:
        return 4;
    }
}

std::vector<DeviceSetup> DigitalInputs(const Offer& offer) {
    std::vector<DeviceSetup> records;
    const std::uint16_t ports = PortCount(offer.cardType, false);
    for (std::uint16_t port = 0; port < ports; ++port) {
        DeviceSetup record = Base(offer);
        record.cardNumber = port % 32;
        record.channel = port;
        record.dataFormat = port % 2;
        record.channelCount = port % 8;
        records.push_back(record);
    }
    return records;
}

std::vector<DeviceSetup> DigitalOutputs(const Offer& offer) {
    // Values that fit every port, the 8-bit ones too.
    constexpr std::uint32_t Values[] = {0, 1, 170, 255};
    std::vector<DeviceSetup> records;
    const std::uint16_t ports = PortCount(offer.cardType, true);
    for (std::uint16_t port = 0; port < ports + 3; ++port) {
        DeviceSetup record = Base(offer);
        record.channel = port < ports ? port : 0;
        record.dataFormat = port % 2;
        record.channelCount = port % 8;
        record.syncMode = (port / 2) % 2;
        record.scanInterval = Values[port % 4];
        records.push_back(record);
    }
    return records;
}

std::vector<DeviceSetup> Counters(const Offer& offer) {
    std::vector<DeviceSetup> records;
    for (std::uint16_t mode = 0; mode < 6; ++mode) {
        DeviceSetup record = Base(offer);
        record.channel = mode % 3;
        record.dataFormat = mode;
        record.channelCount = mode % 2;
        record.syncMode = (mode / 2) % 2;
        record.scanInterval = mode * 1000u;
        records.push_back(record);
    }
    if (offer.line == CardLine::Classic && offer.cardType == T310) {
        for (std::uint16_t clock = 0; clock < 4; ++clock)
            for (std::uint16_t ck1 = 0; ck1 < 2; ++ck1) {
                DeviceSetup record = Base(offer);
                record.trigMode = clock;
                record.trigSource = ck1;
                record.syncMode = ck1;
                records.push_back(record);
            }
    }
    return records;
}

struct Transfer {
    std::uint16_t channelCount;
    std::uint16_t doubleBuffer;
    std::uint16_t syncMode;
    std::uint16_t toFile;
    std::uint16_t dataFormat;
};

// Buffer, file, double buffer, synchronous and asynchronous runs, raw and volts, one channel and a scan.
constexpr Transfer Transfers[] = {
    {1, 0, 1, 0, 0}, {1, 0, 2, 0, 1}, {1, 1, 1, 0, 1}, {1, 1, 2, 1, 0}, {4, 0, 1, 0, 1},
    {4, 0, 2, 1, 1}, {4, 1, 1, 0, 1}, {4, 1, 1, 1, 1}, {4, 0, 2, 0, 0},
};

void Apply(DeviceSetup& record, const Transfer& transfer) {
    record.channelCount = transfer.channelCount;
    record.channel = transfer.channelCount == 1 ? 3 : 0;
    record.doubleBuffer = transfer.doubleBuffer;
    record.syncMode = transfer.syncMode;
    record.toFile = transfer.toFile;
    record.dataFormat = transfer.dataFormat;
    if (transfer.toFile)
        std::strcpy(record.fileName, "PM610d");
}

std::uint16_t DefaultRange(std::uint16_t cardType) {
    switch (cardType) {
    case M660DG:
    case M660HG:
    case M660HR:
    case M650:
        return 2;
    case S710:
    case S720:
        return 10;
    default:
        return 1;
    }
}

// Card-specific settings of continuous AI, one record each on a four-channel asynchronous scan.
std::vector<void (*)(DeviceSetup&, int)> AiCardSettings(std::uint16_t cardType) {
    switch (cardType) {
    case M610DG:
    case M610HR:
        return {[](DeviceSetup& r, int) { r.clockSource = 2; },
                [](DeviceSetup& r, int) {
                    r.trigMode = 1;
                    r.burstCount = 512;
                }};
    case M620:
    case M640DG:
    case M640HG:
        return {[](DeviceSetup& r, int) { r.clockSource = 2; }, [](DeviceSetup& r, int) { r.adRange = 15; }};
    case M630:
        return {[](DeviceSetup& r, int) { r.adRange = 20; }};
    case M660DG:
    case M660HG:
    case M660HR:
        return {[](DeviceSetup& r, int i) {
            constexpr std::uint16_t Functions[] = {0x30, 0xC0, 0x100, 0x200, 0x3F0};
            r.modeFlags = static_cast<std::uint16_t>((i % 4) * 2);
            r.clockSource = i % 2 ? 8 : 0;
            r.funcFlags = Functions[i % 5];
            r.adRange = i % 2 ? 15 : 2;
            r.burstCount = static_cast<std::uint16_t>(i * 3);
            r.postCount = static_cast<std::uint16_t>(i * 100);
        }};
    case S710:
    case S720:
        return {[](DeviceSetup& r, int i) {
            constexpr float Levels[] = {-1.0f, 0.0f, 0.5f, 0.992f, -6.0f};
            r.trigMode = static_cast<std::uint16_t>(i % 5);
            r.trigSource = static_cast<std::uint16_t>((i % 5) * 8);
            r.clockSource = static_cast<std::uint16_t>((i % 3) * 256);
            r.clockSelect = i % 2 ? 0x80 : 0;
            r.trigPolarity = i % 2 ? 64 : 0;
            r.adRange = i % 2 ? 2 : 10;
            r.level = Levels[i % 5];
            r.postCount = static_cast<std::uint16_t>(i * 10);
            r.sampleRate = 20000000.0;
        }};
    case M650:
        return {[](DeviceSetup& r, int i) {
            constexpr std::uint16_t Bits[] = {0x80, 0x100, 0x200, 0x400, 0x800};
            r.trigFlags = static_cast<std::uint16_t>(((i % 5) << 4) | Bits[i % 5] | ((i % 3) << 12));
            r.configFlags = static_cast<std::uint16_t>(i % 4);
            r.adRange = i % 2 ? 15 : 2;
            r.scanInterval = 960;
            r.sampleInterval = 96;
            r.postCount = 50;
            r.mCount = 4;
            r.reTrigCount = static_cast<std::uint16_t>(i);
        }};
    default:
        return {};
    }
}

std::vector<DeviceSetup> ContinuousAis(const Offer& offer) {
    std::vector<DeviceSetup> records;
    DeviceSetup base = Base(offer);
    base.adRange = DefaultRange(offer.cardType);
    base.sampleRate = 1000.0;
    base.scanCount = 1024;
    base.clockSource = offer.cardType == S710 || offer.cardType == S720 || offer.cardType == M650 ? 0 : 1;
    for (const Transfer& transfer : Transfers) {
        DeviceSetup record = base;
        Apply(record, transfer);
        records.push_back(record);
    }
    const auto settings = AiCardSettings(offer.cardType);
    for (std::size_t setting = 0; setting < settings.size(); ++setting)
        for (int i = 0; i < 5; ++i) {
            DeviceSetup record = base;
            Apply(record, Transfers[i * 2 % std::size(Transfers)]);
            settings[setting](record, i);
            records.push_back(record);
        }
    return records;
}

// The clock codes the wizard lists for the card and direction.
std::vector<std::uint16_t> Clocks(std::uint16_t cardType, bool output) {
    if (cardType == D210)
        return output ? std::vector<std::uint16_t>{1, 3} : std::vector<std::uint16_t>{1, 2, 3};
    return output ? std::vector<std::uint16_t>{1, 3, 4, 5, 6, 7, 8}
                  : std::vector<std::uint16_t>{1, 2, 3, 4, 5};
}

std::vector<DeviceSetup> ContinuousDigital(const Offer& offer) {
    constexpr std::uint16_t Widths[] = {8, 16, 32};
    const bool output = offer.operation == ContinuousDo;
    const bool d260 = offer.cardType == D260A_RevB;
    const std::vector<std::uint16_t> clocks = Clocks(offer.cardType, output);
    std::vector<DeviceSetup> records;
    for (std::uint16_t i = 0; i < 10; ++i) {
        DeviceSetup record = Base(offer);
        record.channelCount = 1;
        record.clockSource = clocks[i % clocks.size()];
        record.portWidth = d260 ? Widths[i % 3] : 32;
        record.scanCount = 1000u * (i + 1);
        record.sampleRate = 1000.0 * (i + 1);
        // The D210 offers no double buffer for output.
        record.doubleBuffer = output && !d260 ? 0 : i % 2;
        record.syncMode = 1 + (i / 2) % 2;
        record.toFile = output ? 0 : (i / 3) % 2;
        if (record.toFile)
            std::strcpy(record.fileName, d260 ? "PD260d" : "PD210d");
        record.postCount = record.doubleBuffer ? 0 : i;
        record.burstCount = d260 && record.doubleBuffer ? 2 + i % 7 : 0;
        if (d260) {
            record.ctrlPolarity = i % 8;
            record.waitMode = i % 4;
            record.terminator = i % 2;
            record.trigMode = output ? 0 : (i / 2) % 2;
            record.dataFormat = output ? 0 : (i / 4) % 2;
            record.sampleInterval = output ? 0x40004000u + i : 0;
        } else {
            record.waitMode = output ? (i % 2 ? 16 : 0) : (i % 2 ? 2 : 0);
            record.trigPolarity = output ? 0 : (i % 3 ? 4 : 0);
            record.reqPolarity = output ? 0 : (i % 4 ? 8 : 0);
        }
        records.push_back(record);
    }
    return records;
}

// The interrupt sources the wizard lists for the card.
std::uint16_t SourceCount(std::uint16_t cardType) {
    switch (cardType) {
    case D230:
    case D231:
    case D250:
        return 6;
    case D240:
    case D245:
        return 3;
    case D270:
        return 8;
    case D295:
        return 4;
    default:
        return 2;
    }
}

std::vector<DeviceSetup> Interrupts(const Offer& offer) {
    std::vector<DeviceSetup> records;
    for (std::uint16_t source = 0; source < SourceCount(offer.cardType); ++source)
        for (std::uint16_t method = 0; method < 2; ++method) {
            DeviceSetup record = Base(offer);
            record.trigMode = source;
            record.trigSource = method;
            record.configFlags = offer.cardType == D270 && (source == 0 || source == 4) ? 0x35 + method : 0;
            record.scanInterval = 255u * source;
            record.syncMode = offer.cardType == D295 ? method : 0;
            record.channel = 7; // the writer sets it to the line
            records.push_back(record);
        }
    return records;
}

std::vector<DeviceSetup> SinglePointAnalog(const Offer& offer) {
    std::vector<DeviceSetup> records;
    for (std::uint16_t i = 0; i < 4; ++i) {
        DeviceSetup record = Base(offer);
        record.channel = i;
        record.adRange = DefaultRange(offer.cardType) + i;
        record.dataFormat = i % 2;
        record.modeFlags = i % 2 ? 2 : 0;
        record.configFlags = i;
        record.outputMode = i % 3;
        record.level = 5.0f;
        record.sampleRate = 2.5 * i;
        records.push_back(record);
    }
    return records;
}

} // namespace

std::vector<Offer> WriterOffers() {
    std::vector<Offer> offers;
    for (const WizardCard& card : WizardCards())
        for (std::uint16_t cardType : card.cardTypes)
            for (std::uint16_t operation : card.operations)
                offers.push_back({CardLine::Classic, cardType, operation});
    for (std::uint16_t cardType = e400_card::E420; cardType <= e400_card::E425; ++cardType)
        offers.push_back({CardLine::E400, cardType, e400_operation::TimerCounter});
    return offers;
}

std::string OfferName(const Offer& offer) {
    std::string name = std::string(CardConstant(offer.line, offer.cardType)) + "_" +
                       OperationName(offer.line, offer.operation);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::vector<DeviceSetup> InTableRecords(const Offer& offer) {
    if (offer.line == CardLine::E400)
        return Counters(offer);
    switch (offer.operation) {
    case DigitalInput:
        return DigitalInputs(offer);
    case DigitalOutput:
        return DigitalOutputs(offer);
    case Counter:
        return Counters(offer);
    case ContinuousAi:
        return ContinuousAis(offer);
    case ContinuousDi:
    case ContinuousDo:
        return ContinuousDigital(offer);
    case InterruptEvent:
        return Interrupts(offer);
    default:
        return SinglePointAnalog(offer);
    }
}

std::vector<DeviceSetup> OutOfTableRecords(const Offer& offer) {
    using Field = std::uint16_t DeviceSetup::*;
    static constexpr Field CodeFields[] = {
        &DeviceSetup::cardNumber,  &DeviceSetup::channelCount, &DeviceSetup::channel,
        &DeviceSetup::adRange,     &DeviceSetup::doubleBuffer, &DeviceSetup::clockSource,
        &DeviceSetup::toFile,      &DeviceSetup::trigMode,     &DeviceSetup::trigSource,
        &DeviceSetup::burstCount,  &DeviceSetup::postCount,    &DeviceSetup::trigPolarity,
        &DeviceSetup::outputMode,  &DeviceSetup::modeFlags,    &DeviceSetup::funcFlags,
        &DeviceSetup::clockSelect, &DeviceSetup::configFlags,  &DeviceSetup::trigFlags,
        &DeviceSetup::mCount,      &DeviceSetup::reTrigCount,  &DeviceSetup::portWidth,
        &DeviceSetup::terminator,  &DeviceSetup::ctrlPolarity, &DeviceSetup::reqPolarity,
        &DeviceSetup::waitMode,    &DeviceSetup::dataFormat,   &DeviceSetup::syncMode,
    };
    const DeviceSetup base = InTableRecords(offer).back();
    std::vector<DeviceSetup> records;
    for (Field field : CodeFields)
        for (std::uint16_t value : {std::uint16_t{0}, std::uint16_t{9}, std::uint16_t{65535}}) {
            DeviceSetup record = base;
            record.*field = value;
            records.push_back(record);
        }
    for (double rate :
         {1e308, -1e308, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        DeviceSetup record = base;
        record.sampleRate = rate;
        record.level = static_cast<float>(rate);
        record.scanCount = 4294967295u;
        record.scanInterval = 4294967295u;
        record.sampleInterval = 4294967295u;
        records.push_back(record);
    }
    DeviceSetup longName = base;
    longName.toFile = 1;
    std::memset(longName.fileName, 'x', sizeof longName.fileName - 1);
    longName.fileName[sizeof longName.fileName - 1] = '\0';
    records.push_back(longName);
    return records;
}

} // namespace doz::generators::testing
