// A task object: the settings of one operation on one card, its running state and, while a
// timed operation runs, the engine thread that serves it.
#pragma once

#include "event_sink.h"
#include "installed_card.h"
#include "machine.h"
#include "operation_table.h"
#include "task_definition.h"
#include "task_runner.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace radezuvi {

class Task {
public:
    Task(std::uint32_t handle, TaskDefinition definition, const OperationInfo& operation,
         std::shared_ptr<const Machine> machine);

    // Binds the task to its card; 0, RADEZUVI_ERR_NO_DEVICE or RADEZUVI_ERR_FAULT.
    std::int32_t open();

    std::int32_t enableChannel(int channel);
    std::int32_t setProperty(int id, double value);
    std::int32_t getProperty(int id, double& value) const;
    std::int32_t setChannelProperty(int channel, int id, double value);
    std::int32_t getChannelProperty(int channel, int id, double& value) const;
    std::vector<std::uint16_t> enabledChannels() const;
    std::int32_t setCallback(Radezuvi_CallbackProc callback, void* userValue);

    std::int32_t config();
    std::int32_t start();
    // Stops the task unconditionally (ending it, shutting the engine down).
    std::int32_t stop();
    // Radezuvi_Stop: as stop, unless the profile makes stopping this task fail.
    std::int32_t stopOnRequest();

    std::int32_t readAnalog(double* values);
    std::int32_t writeAnalog(double value);
    std::int32_t readPort(std::uint32_t* value);
    std::int32_t writePort(std::uint32_t value);
    std::int32_t patternBuffer(Radezuvi_PatternDescriptor* descriptor);
    std::int32_t setPattern(const Radezuvi_PatternDescriptor* descriptor);
    std::int32_t counterValue(std::uint32_t* value);

    TaskDefinition definition() const;
    void setDescription(std::string text);

private:
    enum class State { Idle, Configured, Running };

    bool isKind(OperationKind kind) const { return operation_.kind == kind; }
    const DeviceCaps& caps() const;
    int channelCount() const;
    const InstalledCard* faultSource() const;
    // Whether a fault of `kind` applies to this task: one without a port, or one on a port or
    // channel the task has enabled. Expects mutex_ to be held.
    bool faultedLocked(FaultKind kind) const;
    int bank() const;
    int portWidth(int channel) const;

    // The helpers below expect mutex_ to be held.
    std::int32_t openLocked();
    // A single-point call of this kind can run: the card is open and a channel is enabled.
    std::int32_t readyForIoLocked(OperationKind kind);
    std::int32_t configLocked();
    std::int32_t checkRates() const;
    std::int32_t checkGenerator() const;
    void allocatePattern();
    std::int32_t launchLocked();
    void settingsChanged();
    void haltLocked();
    std::uint32_t runningCount() const;

    const std::uint32_t handle_;
    const OperationInfo& operation_;
    const std::shared_ptr<const Machine> machine_;

    std::mutex lifecycle_; // serialises start and stop, which wait for the engine thread
    mutable std::mutex mutex_;
    TaskDefinition definition_;
    std::shared_ptr<InstalledCard> card_;
    State state_ = State::Idle;
    EventSink sink_;
    std::unique_ptr<TaskRunner> runner_;
    std::vector<std::uint8_t> pattern_;
    std::uint32_t patternCount_ = 0;
    int patternWidth_ = 8;
    Clock::time_point counterStart_;
    std::uint32_t counterFrozen_ = 0;
};

} // namespace radezuvi
