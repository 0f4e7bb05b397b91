#include "revorur/tasks/operation_table.h"

#include <algorithm>
#include <iterator>

namespace doz::tasks {
namespace {

constexpr Operation operations[] = {
    {0x10000, "Analog Input -- Voltage Polling", 1, "AI"},
    {0x10002, "Analog Input -- One-shot Waveform Acquisition", 2, "AI"},
    {0x10003, "Analog Input -- Continuous Waveform Acquisition", 3, "AI"},
    {0x20000, "Analog Output -- Voltage Update", 4, "AO"},
    {0x20001, "Analog Output -- Current Update", 5, "AO"},
    {0x20002, "Analog Output -- One-shot Waveform Generation", 6, "AO"},
    {0x20003, "Analog Output -- Continuous Waveform Generation", 7, "AO"},
    {0x20004, "Analog Output -- Function Generation", 8, "AO"},
    {0x40000, "Digital Input -- Line Read", 9, "DI"},
    {0x40001, "Digital Input -- Port Read", 10, "DI PORT"},
    {0x40002, "Digital Input -- One-shot Pattern Acquisition", 11, "DI PORT"},
    {0x40003, "Digital Input -- Continuous Pattern Acquisition", 12, "DI PORT"},
    {0x80000, "Digital Output -- Line Write", 13, "DO"},
    {0x80001, "Digital Output -- Port Write", 14, "DO PORT"},
    {0x80002, "Digital Output -- One-shot Pattern Generation", 15, "DO PORT"},
    {0x80003, "Digital Output -- Continuous Pattern Generation", 16, "DO PORT"},
    {0x100000, "Timer/Counter -- Simple Event Counter", 17, "TC"},
    {0x100001, "Timer/Counter -- Timer Interrupt", 18, "TC"},
    {0x100002, "Timer/Counter -- 82C54 Mode Operation", 19, "TC"},
};

} // namespace

const Operation* FindOperation(int code) {
    const auto* it = std::find_if(std::begin(operations), std::end(operations),
                                  [code](const Operation& o) { return o.code == code; });
    return it == std::end(operations) ? nullptr : it;
}

std::string_view OperationText(int code) {
    const Operation* op = FindOperation(code);
    return op ? op->text : std::string_view();
}

int OperationPicture(int code) {
    const Operation* op = FindOperation(code);
    return op ? op->picture : code;
}

std::string_view ChannelPrefix(int code) {
    const Operation* op = FindOperation(code);
    return op ? op->channelPrefix : std::string_view();
}

} // namespace doz::tasks
