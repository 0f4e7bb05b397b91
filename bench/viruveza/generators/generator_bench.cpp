// Generation speed of the classic single-point analog writers, text built in memory.

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace doz::generators;

DeviceSetup Record(std::uint16_t card, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = card;
    record.operation = operation;
    return record;
}

// Every single-point AI record: each AI card, each range code, both data formats, every mode word.
std::vector<DeviceSetup> SinglePointAiRecords() {
    using namespace classic_card;
    std::vector<DeviceSetup> records;
    for (std::uint16_t card : {M610DG, M610HR, M620, M630, M640DG, M640HG, M660DG, M660HG, M660HR, M650}) {
        const bool m660 = card >= M660DG && card <= M660HR;
        const std::vector<std::uint16_t> flags = m660           ? std::vector<std::uint16_t>{0, 2}
                                                 : card == M650 ? std::vector<std::uint16_t>{0, 1, 2, 3}
                                                                : std::vector<std::uint16_t>{0};
        for (std::uint16_t range = 0; range <= 22; ++range) {
            for (std::uint16_t dataFormat : {0, 1}) {
                for (std::uint16_t flag : flags) {
                    DeviceSetup record = Record(card, classic_operation::SinglePointAi);
                    record.adRange = range;
                    record.dataFormat = dataFormat;
                    record.modeFlags = flag;
                    record.configFlags = flag;
                    records.push_back(record);
                }
            }
        }
    }
    return records;
}

// Every analog output record: each AO card in each output mode, on both A130V channel groups.
std::vector<DeviceSetup> AnalogOutputRecords() {
    using namespace classic_card;
    std::vector<DeviceSetup> records;
    for (std::uint16_t card : {A120V, A120A, A130V, A130A, M610DG, M610HR, M620, M660DG, M660HG, M660HR}) {
        for (std::uint16_t mode : {0, 1, 2}) {
            for (std::uint16_t channel : {3, 4}) {
                DeviceSetup record = Record(card, classic_operation::AnalogOutput);
                record.outputMode = mode;
                record.channel = channel;
                record.level = 10.0f;
                record.sampleRate = 2.5;
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
        for (DeviceSetup& record : records) {
            CodeGenerator generator(record);
            generator.build(CardLine::Classic, text);
            benchmark::DoNotOptimize(text.data());
            ++files;
        }
    }
    state.counters["files"] = benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
    state.counters["per_pass"] = static_cast<double>(records.size());
}

void BM_SinglePointAi(benchmark::State& state) {
    GenerateAll(state, SinglePointAiRecords());
}
void BM_AnalogOutput(benchmark::State& state) {
    GenerateAll(state, AnalogOutputRecords());
}
void BM_OneFile(benchmark::State& state) {
    DeviceSetup record = Record(classic_card::M650, classic_operation::SinglePointAi);
    GenerateAll(state, {record});
}

BENCHMARK(BM_SinglePointAi);
BENCHMARK(BM_AnalogOutput);
BENCHMARK(BM_OneFile);

} // namespace

BENCHMARK_MAIN();
