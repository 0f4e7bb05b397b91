// Generation speed of the classic-line writers: every card with every operation the wizard
// offers it, over the spread of in-table records of the property test, text built in memory.

#include "classic_samples.h"

#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <benchmark/benchmark.h>

namespace {

using namespace doz::generators;
using namespace doz::generators::testing;

struct Sample {
    CardLine line;
    DeviceSetup record;
};

std::vector<Sample> Samples(bool (*wanted)(const Offer&)) {
    std::vector<Sample> samples;
    for (const Offer& offer : WriterOffers())
        if (wanted(offer))
            for (const DeviceSetup& record : InTableRecords(offer))
                samples.push_back({offer.line, record});
    return samples;
}

void Generate(benchmark::State& state, std::vector<Sample> samples) {
    std::string text;
    std::int64_t files = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (Sample& sample : samples) {
            CodeGenerator generator(sample.record);
            generator.build(sample.line, text);
            benchmark::DoNotOptimize(text.data());
            bytes += static_cast<std::int64_t>(text.size());
            ++files;
        }
    }
    state.counters["files"] = benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
    state.counters["per_pass"] = static_cast<double>(samples.size());
    state.SetBytesProcessed(bytes);
}

bool Operation(const Offer& offer, std::uint16_t operation) {
    return offer.line == CardLine::Classic && offer.operation == operation;
}

void BM_ClassicDigital(benchmark::State& state) {
    Generate(state, Samples([](const Offer& o) {
                 return Operation(o, classic_operation::DigitalInput) ||
                        Operation(o, classic_operation::DigitalOutput);
             }));
}
void BM_Counter(benchmark::State& state) {
    Generate(state, Samples([](const Offer& o) {
                 return Operation(o, classic_operation::Counter) || o.line == CardLine::E400;
             }));
}
void BM_ClassicContinuousAi(benchmark::State& state) {
    Generate(state, Samples([](const Offer& o) { return Operation(o, classic_operation::ContinuousAi); }));
}
void BM_ClassicContinuousDio(benchmark::State& state) {
    Generate(state, Samples([](const Offer& o) {
                 return Operation(o, classic_operation::ContinuousDi) ||
                        Operation(o, classic_operation::ContinuousDo);
             }));
}
void BM_ClassicInterrupt(benchmark::State& state) {
    Generate(state, Samples([](const Offer& o) { return Operation(o, classic_operation::InterruptEvent); }));
}
// Every offer, the single-point analog operations included.
void BM_EveryOffer(benchmark::State& state) {
    Generate(state, Samples([](const Offer&) { return true; }));
}

BENCHMARK(BM_ClassicDigital);
BENCHMARK(BM_Counter);
BENCHMARK(BM_ClassicContinuousAi);
BENCHMARK(BM_ClassicContinuousDio);
BENCHMARK(BM_ClassicInterrupt);
BENCHMARK(BM_EveryOffer);

} // namespace
