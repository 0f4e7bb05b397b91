// Generation speed of the E400-line writers, text built in memory: every card with each of its
// analog operations over the channel selections, the digital writers, and the E465 waveform in
// each running mode.

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace doz::generators;

constexpr std::uint16_t E400Cards[] = {e400_card::E420, e400_card::E435, e400_card::E440, e400_card::E410,
                                       e400_card::E430, e400_card::E415, e400_card::E460, e400_card::E465,
                                       e400_card::E445, e400_card::E450, e400_card::E455, e400_card::E425};

DeviceSetup Record(std::uint16_t card, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = card;
    record.operation = operation;
    record.scanCount = 1000;
    record.scanInterval = 40;
    record.sampleInterval = 40;
    record.syncMode = 1;
    return record;
}

// One channel, a run of four alike channels, and four channels set one by one with mixed settings.
std::vector<DeviceSetup> Selections(DeviceSetup base) {
    std::vector<DeviceSetup> records;
    base.channelCount = 1;
    records.push_back(base);
    base.channelCount = 0;
    for (int channel = 0; channel < 4; ++channel)
        base.aiChannels[channel].enabled = base.aoChannels[channel].enabled = 1;
    records.push_back(base);
    base.aiChannels[1].range = 15;
    base.aoChannels[1].polarity = 0;
    records.push_back(base);
    return records;
}

std::vector<DeviceSetup> AnalogRecords() {
    std::vector<DeviceSetup> records;
    for (std::uint16_t card : E400Cards) {
        for (std::uint16_t operation : {e400_operation::SinglePointAi, e400_operation::AnalogOutput,
                                        e400_operation::ContinuousAi, e400_operation::ContinuousAo}) {
            if (card == e400_card::E465 && operation == e400_operation::ContinuousAo)
                continue;
            for (std::uint16_t dataFormat : {0, 1}) {
                for (std::uint16_t doubleBuffer : {0, 1}) {
                    DeviceSetup base = Record(card, operation);
                    base.dataFormat = dataFormat;
                    base.doubleBuffer = doubleBuffer;
                    base.trigFlags = 0x1; // analog trigger
                    for (const DeviceSetup& record : Selections(base))
                        records.push_back(record);
                }
            }
        }
    }
    return records;
}

std::vector<DeviceSetup> DigitalRecords() {
    std::vector<DeviceSetup> records;
    for (std::uint16_t card : E400Cards) {
        for (std::uint16_t operation : {e400_operation::DigitalInput, e400_operation::DigitalOutput}) {
            for (std::uint16_t dataFormat : {0, 1}) {
                DeviceSetup record = Record(card, operation);
                record.dataFormat = dataFormat;
                record.channel = 2;
                record.channelCount = 3;
                records.push_back(record);
            }
        }
    }
    return records;
}

std::vector<DeviceSetup> E465Records() {
    std::vector<DeviceSetup> records;
    for (std::uint16_t runningMode : {0, 4, 8, 12}) {
        for (double loading : {0.0, 1.0}) {
            for (std::uint16_t dataFormat : {0x0, 0x1, 0x101}) {
                DeviceSetup record = Record(e400_card::E465, e400_operation::ContinuousAo);
                record.adRange = runningMode;
                record.channelCount = 4;
                record.outputMode = 1;
                record.sampleRate = 500.0;
                record.dataFormat = dataFormat;
                for (int channel : {2, 3, 4, 5})
                    record.aoChannels[channel].enabled = 1;
                if (runningMode == 0 || runningMode == 4)
                    record.channelCount = 2; // a single group holds two of the four channels
                record.aoChannels[0].voltage = loading;
                records.push_back(record);
            }
        }
    }
    return records;
}

void GenerateAll(benchmark::State& state, std::vector<DeviceSetup> records) {
    std::string text;
    std::int64_t files = 0;
    for (auto _ : state) {
        for (const DeviceSetup& original : records) {
            // Each pass starts from the record as the wizard left it: the writers normalise it.
            DeviceSetup record = original;
            CodeGenerator generator(record);
            if (!generator.build(CardLine::E400, text).ok())
                state.SkipWithError("an E400 record generated nothing");
            benchmark::DoNotOptimize(text.data());
            ++files;
        }
    }
    state.counters["files"] = benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
    state.counters["per_pass"] = static_cast<double>(records.size());
}

void BM_E400Analog(benchmark::State& state) {
    GenerateAll(state, AnalogRecords());
}
void BM_E400Digital(benchmark::State& state) {
    GenerateAll(state, DigitalRecords());
}
void BM_E465Waveform(benchmark::State& state) {
    GenerateAll(state, E465Records());
}

BENCHMARK(BM_E400Analog);
BENCHMARK(BM_E400Digital);
BENCHMARK(BM_E465Waveform);

} // namespace
