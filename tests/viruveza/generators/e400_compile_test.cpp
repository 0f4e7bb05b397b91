// Every E400 writer over a spread of in-table records: each generates a file, and each file
// compiles against the test driver header.

#include "compile_check.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace doz::generators {

namespace {

using namespace testing;

struct E400Case {
    std::string name;
    DeviceSetup record;
};

void PrintTo(const E400Case& e400Case, std::ostream* os) {
    *os << e400Case.name;
}

DeviceSetup Base(std::uint16_t card, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = card;
    record.operation = operation;
    record.scanCount = 100;
    record.scanInterval = 40;
    record.sampleInterval = 40;
    record.burstCount = 1;
    record.syncMode = 1;
    return record;
}

std::string CardName(std::uint16_t card) {
    return CardConstant(CardLine::E400, card);
}

constexpr std::uint16_t AllE400Cards[] = {e400_card::E420, e400_card::E435, e400_card::E440, e400_card::E410,
                                          e400_card::E430, e400_card::E415, e400_card::E460, e400_card::E465,
                                          e400_card::E445, e400_card::E450, e400_card::E455, e400_card::E425};

// The channel selections every analog writer is tried with: one channel, a run of alike
// channels, mixed settings set one by one, and "Apply to All Channels".
struct Selection {
    const char* name;
    std::function<void(DeviceSetup&)> apply;
};

const std::vector<Selection>& Selections() {
    static const std::vector<Selection> selections = {
        {"one", [](DeviceSetup& r) { r.channelCount = 1, r.channel = 1, r.aiChannels[1].range = 15; }},
        {"run",
         [](DeviceSetup& r) {
             r.channelCount = 0;
             r.aiChannels[0].enabled = r.aiChannels[1].enabled = 1;
             r.aoChannels[0].enabled = r.aoChannels[1].enabled = 1;
         }},
        {"mixed",
         [](DeviceSetup& r) {
             r.channelCount = 0;
             r.aiChannels[1].enabled = r.aiChannels[3].enabled = 1;
             r.aiChannels[3].range = 16;
             r.aiChannels[3].refGround = 2;
             r.aoChannels[0].enabled = r.aoChannels[1].enabled = 1;
             r.aoChannels[1].polarity = 0;
             r.aoChannels[1].refSource = 1;
             r.aoChannels[1].refVoltage = 5.0;
         }},
        {"all",
         [](DeviceSetup& r) {
             r.channelCount = 0;
             r.channelPattern = 2;
             r.aiChannels[0].enabled = r.aiChannels[2].enabled = 1;
             r.aoChannels[0].enabled = r.aoChannels[1].enabled = 1;
         }},
    };
    return selections;
}

void Add(std::vector<E400Case>& cases, std::string name, const DeviceSetup& record) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    cases.push_back({std::move(name), record});
}

std::vector<E400Case> SinglePointCases() {
    std::vector<E400Case> cases;
    for (std::uint16_t card : AllE400Cards) {
        for (const Selection& selection : Selections()) {
            for (std::uint16_t dataFormat : {0, 1}) {
                DeviceSetup ai = Base(card, e400_operation::SinglePointAi);
                ai.dataFormat = dataFormat;
                selection.apply(ai);
                Add(cases, "ai_" + CardName(card) + "_" + selection.name + std::to_string(dataFormat), ai);
            }
            DeviceSetup ao = Base(card, e400_operation::AnalogOutput);
            selection.apply(ao);
            Add(cases, "ao_" + CardName(card) + "_" + selection.name, ao);
        }
        if (card != e400_card::E420 && card != e400_card::E460 && card != e400_card::E465)
            continue; // the digital writers do not tell the cards apart
        for (std::uint16_t dataFormat : {0, 1}) {
            for (std::uint16_t syncMode : {0, 1}) {
                DeviceSetup di = Base(card, e400_operation::DigitalInput);
                di.dataFormat = dataFormat;
                di.channel = 4;
                di.channelCount = 3;
                Add(cases, "di_" + CardName(card) + std::to_string(dataFormat) + std::to_string(syncMode),
                    di);
                DeviceSetup output = Base(card, e400_operation::DigitalOutput);
                output.dataFormat = dataFormat;
                output.syncMode = syncMode;
                output.scanInterval = 255;
                Add(cases, "do_" + CardName(card) + std::to_string(dataFormat) + std::to_string(syncMode),
                    output);
            }
        }
    }
    return cases;
}

// Continuous AI: every trigger mode and source, with and without double buffer, sync and async,
// to memory and to a file, in raw codes and volts.
std::vector<E400Case> ContinuousAiCases() {
    std::vector<E400Case> cases;
    int variant = 0;
    for (std::uint16_t card : {e400_card::E420, e400_card::E435}) {
        for (const Selection& selection : Selections()) {
            for (std::uint16_t mode : {0x00, 0x08, 0x10, 0x18}) {
                for (std::uint16_t source : {0, 1, 2, 3}) {
                    DeviceSetup record = Base(card, e400_operation::ContinuousAi);
                    selection.apply(record);
                    ++variant;
                    record.trigFlags = mode | source | (variant % 2 ? 0x80 | 0x100 : 0x400 | 0x1000);
                    record.doubleBuffer = variant % 3 == 0;
                    record.syncMode = variant % 4 < 2 ? 1 : 2;
                    record.toFile = variant % 5 == 0;
                    record.dataFormat = variant % 2;
                    record.outputMode = variant % 3 == 1;
                    record.clockSource = static_cast<std::uint16_t>(variant % 3);
                    record.trigSource = static_cast<std::uint16_t>(4 * (variant % 4));
                    record.trigPolarity =
                        static_cast<std::uint16_t>((variant % 4 == 3 ? 6 : variant % 3) | (variant % 5) << 8);
                    record.reTrigCount = 3;
                    std::snprintf(record.fileName, sizeof record.fileName, "%s", "data.dat");
                    Add(cases,
                        "cai_" + CardName(card) + "_" + selection.name + "_mode" + std::to_string(mode) +
                            "_source" + std::to_string(source),
                        record);
                }
            }
        }
    }
    return cases;
}

// Continuous AO on the one-group cards: both trigger modes and every trigger source, definite and
// indefinite, internal and external write sources, double buffer, raw codes and volts.
std::vector<E400Case> ContinuousAoCases() {
    std::vector<E400Case> cases;
    int variant = 0;
    for (std::uint16_t card : {e400_card::E435, e400_card::E460}) {
        for (const Selection& selection : Selections()) {
            for (std::uint16_t mode : {0x0, 0x4}) {
                for (std::uint16_t source : {0, 1, 2, 3}) {
                    DeviceSetup record = Base(card, e400_operation::ContinuousAo);
                    selection.apply(record);
                    ++variant;
                    record.trigFlags = mode | source | (variant % 2 ? 0x20 | 0x100 | 0x40 : 0x80 | 0x200);
                    // Only the E460 has counter sources beside its write source.
                    const int counterSources =
                        card == e400_card::E460 ? (variant % 4) << 4 | (variant % 4) << 6 : 0;
                    record.trigSource = static_cast<std::uint16_t>(variant % 3 | counterSources);
                    record.doubleBuffer = variant % 3 == 0;
                    record.syncMode = variant % 4 < 2 ? 1 : 2;
                    record.dataFormat = variant % 2;
                    record.outputMode = variant % 3 == 1;
                    record.terminator = static_cast<std::uint16_t>(variant % 3);
                    record.clockSource = static_cast<std::uint16_t>(variant % 3);
                    Add(cases,
                        "cao_" + CardName(card) + "_" + selection.name + "_mode" + std::to_string(mode) +
                            "_source" + std::to_string(source),
                        record);
                }
            }
        }
    }
    return cases;
}

// The E465 waveform in each running mode, FIFO and DMA, with and without double buffer (not
// with the groups run separately), each volts flag, definite and not.
std::vector<E400Case> E465Cases() {
    std::vector<E400Case> cases;
    int variant = 0;
    for (std::uint16_t runningMode : {0, 4, 8, 12}) {
        for (std::uint16_t channels : {1, 2, 3}) {
            for (bool dma : {false, true}) {
                for (std::uint16_t doubleBuffer : {0, 1}) {
                    for (std::uint16_t dataFormat : {0x0, 0x1, 0x100, 0x101}) {
                        // Groups run separately need a channel in each group and no double
                        // buffer; only they tell the two volts flags apart from both.
                        if (runningMode == 12 ? doubleBuffer || channels == 1 : dataFormat == 0x101)
                            continue;
                        DeviceSetup record = Base(e400_card::E465, e400_operation::ContinuousAo);
                        ++variant;
                        record.adRange = runningMode;
                        record.channelCount = channels;
                        const int first = runningMode == 4 ? 4 : 0;
                        for (int k = 0; k < channels; ++k)
                            record.aoChannels[runningMode >= 8 ? k * 3 : first + k].enabled = 1;
                        record.channelPattern = static_cast<std::int16_t>(variant % 3);
                        record.aoChannels[0].voltage = dma ? 1.0 : 0.0;
                        record.doubleBuffer = doubleBuffer;
                        record.dataFormat = dataFormat;
                        record.syncMode = static_cast<std::uint16_t>(variant % 2 + 1);
                        record.outputMode = static_cast<std::uint16_t>((variant / 2) % 2 + 1);
                        record.sampleRate = variant % 2 ? 50.0 : 200.0;
                        record.trigSource =
                            static_cast<std::uint16_t>(variant % 5 == 0 ? 1 : 0x10 * (variant % 4));
                        record.trigFlags =
                            static_cast<std::uint16_t>(variant % 4 | (variant % 2 ? 0x4 | 0x20 : 0x100));
                        record.trigMode =
                            static_cast<std::uint16_t>((variant + 1) % 4 | (variant % 3 ? 0x4 : 0x120));
                        record.configFlags = static_cast<std::uint16_t>(variant % 3 | 0x40);
                        record.trigPolarity = static_cast<std::uint16_t>(variant % 2 | 0x200);
                        record.clockSource = static_cast<std::uint16_t>(variant % 3);
                        record.terminator = static_cast<std::uint16_t>(variant % 3);
                        record.portWidth = static_cast<std::uint16_t>((variant + 1) % 3);
                        Add(cases,
                            "e465_mode" + std::to_string(runningMode) + "_ch" + std::to_string(channels) +
                                (dma ? "_dma" : "_fifo") + (doubleBuffer ? "_double" : "") + "_volts" +
                                std::to_string(dataFormat),
                            record);
                    }
                }
            }
        }
    }
    return cases;
}

std::vector<E400Case> AllCases() {
    std::vector<E400Case> cases = SinglePointCases();
    for (auto&& more : {ContinuousAiCases(), ContinuousAoCases(), E465Cases()})
        cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

class E400File : public ::testing::TestWithParam<E400Case> {};

TEST_P(E400File, IsWrittenAndCompiles) {
    DeviceSetup record = GetParam().record;
    CodeGenerator generator(record);
    std::string text;
    const GenerateResult result = generator.build(CardLine::E400, text);
    ASSERT_TRUE(result.ok()) << result.message;
    const CompileOutcome outcome = CompileFragment(text);
    EXPECT_TRUE(outcome.compiled) << outcome.report;
}

INSTANTIATE_TEST_SUITE_P(E400Writers, E400File, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace

} // namespace doz::generators
