#include "viruveza/generators/writer_table.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/classic_analog_writers.h"
#include "viruveza/generators/classic_continuous_ai_writer.h"
#include "viruveza/generators/classic_continuous_dio_writers.h"
#include "viruveza/generators/classic_digital_writers.h"
#include "viruveza/generators/counter_writer.h"
#include "viruveza/generators/e400_continuous_ai_writer.h"
#include "viruveza/generators/e400_continuous_ao_writer.h"
#include "viruveza/generators/e400_single_point_writers.h"
#include "viruveza/generators/e465_waveform_writer.h"
#include "viruveza/generators/interrupt_writer.h"
#include "viruveza/generators/operation_names.h"

#include <array>

namespace doz::generators {

namespace {

constexpr WriterEntry Writers[] = {
    {CardLine::Classic, classic_operation::SinglePointAi, std::nullopt, WriteClassicSinglePointAi},
    {CardLine::Classic, classic_operation::AnalogOutput, std::nullopt, WriteClassicAnalogOutput},
    {CardLine::Classic, classic_operation::DigitalInput, std::nullopt, WriteClassicDigitalInput},
    {CardLine::Classic, classic_operation::DigitalOutput, std::nullopt, WriteClassicDigitalOutput},
    {CardLine::Classic, classic_operation::ContinuousAi, std::nullopt, WriteClassicContinuousAi},
    {CardLine::Classic, classic_operation::ContinuousDi, std::nullopt, WriteClassicContinuousDi},
    {CardLine::Classic, classic_operation::ContinuousDo, std::nullopt, WriteClassicContinuousDo},
    {CardLine::Classic, classic_operation::InterruptEvent, std::nullopt, WriteClassicInterruptEvent},
    {CardLine::Classic, classic_operation::Counter, std::nullopt, WriteCounter},
    {CardLine::E400, e400_operation::SinglePointAi, std::nullopt, WriteE400SinglePointAi},
    {CardLine::E400, e400_operation::ContinuousAi, std::nullopt, WriteE400ContinuousAi},
    {CardLine::E400, e400_operation::AnalogOutput, std::nullopt, WriteE400AnalogOutput},
    {CardLine::E400, e400_operation::ContinuousAo, e400_card::E465, WriteE465Waveform},
    {CardLine::E400, e400_operation::ContinuousAo, std::nullopt, WriteE400ContinuousAo},
    {CardLine::E400, e400_operation::DigitalInput, std::nullopt, WriteE400DigitalInput},
    {CardLine::E400, e400_operation::DigitalOutput, std::nullopt, WriteE400DigitalOutput},
    {CardLine::E400, e400_operation::TimerCounter, std::nullopt, WriteCounter},
};

} // namespace

std::span<const WriterEntry> BuiltInWriters() {
    return Writers;
}

const WriterEntry* FindWriter(std::span<const WriterEntry> writers, CardLine line, std::uint16_t operation,
                              std::uint16_t cardType) {
    for (const WriterEntry& entry : writers) {
        if (entry.line == line && entry.operation == operation &&
            (!entry.cardType || *entry.cardType == cardType))
            return &entry;
    }
    return nullptr;
}

} // namespace doz::generators
