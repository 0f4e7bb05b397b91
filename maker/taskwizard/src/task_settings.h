// The settings of one task as the wizard edits them, read from and built into engine tasks.
#pragma once

#include "maker/taskwizard/src/scoped_task.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace doz::taskwizard {

struct GeneratorSettings {
    int waveform = 400; // 400 sine, 401 square, 402 triangle, 403 sawtooth
    double frequency = 1000;
    double amplitude = 1;
    double offset = 0;
    double phase = 0;
    double dutyCycle = 50;
};

struct TaskSettings {
    int operation = RADEZUVI_OP_AI_POLLING;
    int typeCode = 1;
    int cardNumber = 0;
    std::vector<int> channels;        // enabled, in the order the task samples them
    std::map<int, int> channelRanges; // range code per channel; channels without one use `range`
    int range = 0;                    // range code of the channels; 0 leaves the card's default
    double rate = 1000;               // samples per second (analog or digital, by operation)
    std::uint32_t blockSize = 0;      // 0: a tenth of the rate
    std::uint32_t timerInterval = 1000;
    int inputSource = 0; // port bank or input kind; 0 leaves the card's default
    GeneratorSettings generator;
    std::string description;
};

// The settings of a loaded task.
TaskSettings readSettings(Radezuvi_Handle task);

// A task of the settings, not yet bound to its card, or the engine's first refusal.
struct BuiltTask {
    ScopedTask task;
    int32_t error = RADEZUVI_OK;
};
BuiltTask buildTask(const TaskSettings& settings);

// What a card says about the settings before they run: the engine's checks of Config when the
// card is installed here. Errors that are the card's state (missing, faulted) rather than the
// settings' are not reported: the task is still worth saving.
int32_t checkOnCard(Radezuvi_Handle task);

} // namespace doz::taskwizard
