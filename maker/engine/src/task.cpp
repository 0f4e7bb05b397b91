#include "task.h"

#include "channel_limits.h"
#include "property_table.h"

#include <algorithm>

namespace radezuvi {

namespace {

const DeviceCaps kNoCaps{};

} // namespace

Task::Task(std::uint32_t handle, TaskDefinition definition, const OperationInfo& operation,
           std::shared_ptr<const Machine> machine)
    : handle_(handle), operation_(operation), machine_(std::move(machine)),
      definition_(std::move(definition)) {
    sink_.handle = handle;
}

const DeviceCaps& Task::caps() const {
    const DeviceEntry* entry = entryOfType(definition_.typeCode);
    return entry ? entry->caps : kNoCaps;
}

int Task::channelCount() const {
    return channelLimit(caps(), operation_);
}

// Faults apply to a task whether or not it has opened its card yet.
const InstalledCard* Task::faultSource() const {
    return card_ ? card_.get() : machine_->find(definition_.typeCode, definition_.cardNumber).get();
}

bool Task::faultedLocked(FaultKind kind) const {
    const InstalledCard* card = faultSource();
    if (!card) {
        return false;
    }
    return card->fault(kind, definition_.operation) ||
           std::any_of(definition_.channels.begin(), definition_.channels.end(), [&](int channel) {
               return card->fault(kind, definition_.operation, channel) != nullptr;
           });
}

int Task::bank() const {
    return static_cast<int>(definition_.property(RADEZUVI_PROP_INPUT_SOURCE));
}

int Task::portWidth(int channel) const {
    switch (static_cast<int>(definition_.channelProperty(channel, RADEZUVI_CHPROP_PORT_WIDTH))) {
    case 514:
        return 8;
    case 515:
        return 16;
    case 516:
        return 32;
    default:
        return caps().portWidth;
    }
}

std::int32_t Task::open() {
    std::lock_guard lock(mutex_);
    return openLocked();
}

std::int32_t Task::openLocked() {
    if (card_) {
        return RADEZUVI_OK;
    }
    auto card = machine_->find(definition_.typeCode, definition_.cardNumber);
    if (!card) {
        return RADEZUVI_ERR_NO_DEVICE;
    }
    if (card->fault(FaultKind::CreateFails, definition_.operation)) {
        return RADEZUVI_ERR_FAULT;
    }
    card_ = std::move(card);
    return RADEZUVI_OK;
}

std::int32_t Task::enableChannel(int channel) {
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    if (const auto result = openLocked(); result != RADEZUVI_OK) {
        return result;
    }
    if (channel < 0 || channel >= channelCount()) {
        return RADEZUVI_ERR_CHANNEL;
    }
    if (card_->fault(FaultKind::EnableFails, definition_.operation, channel)) {
        return RADEZUVI_ERR_FAULT;
    }
    if (!definition_.isEnabled(channel)) {
        definition_.channels.push_back(static_cast<std::uint16_t>(channel));
        settingsChanged();
    }
    return RADEZUVI_OK;
}

std::int32_t Task::setProperty(int id, double value) {
    std::lock_guard lock(mutex_);
    const PropertyRule* rule = findProperty(PropertyScope::Task, id);
    if (!rule || rule->readOnly) {
        return RADEZUVI_ERR_PROPERTY;
    }
    const InstalledCard* card = faultSource();
    if (card && card->fault(FaultKind::PropertyRefused, definition_.operation, id)) {
        return RADEZUVI_ERR_FAULT;
    }
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    if (!acceptsValue(*rule, value)) {
        return RADEZUVI_ERR_VALUE;
    }
    definition_.properties[id] = value;
    settingsChanged();
    return RADEZUVI_OK;
}

std::int32_t Task::getProperty(int id, double& value) const {
    std::lock_guard lock(mutex_);
    switch (id) {
    case RADEZUVI_PROP_OPERATION:
        value = definition_.operation;
        return RADEZUVI_OK;
    case RADEZUVI_PROP_DEVICE_TYPE:
        value = definition_.typeCode;
        return RADEZUVI_OK;
    case RADEZUVI_PROP_DEVICE_INDEX:
        value = definition_.cardNumber;
        return RADEZUVI_OK;
    default:
        break;
    }
    if (!findProperty(PropertyScope::Task, id)) {
        return RADEZUVI_ERR_PROPERTY;
    }
    value = definition_.property(id);
    return RADEZUVI_OK;
}

std::int32_t Task::setChannelProperty(int channel, int id, double value) {
    std::lock_guard lock(mutex_);
    const PropertyRule* rule = findProperty(PropertyScope::Channel, id);
    if (!rule) {
        return RADEZUVI_ERR_PROPERTY;
    }
    if (channel < 0 || channel >= channelCount()) {
        return RADEZUVI_ERR_CHANNEL;
    }
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    if (!acceptsValue(*rule, value)) {
        return RADEZUVI_ERR_VALUE;
    }
    if (id == RADEZUVI_CHPROP_ENABLED && value != 0) {
        const InstalledCard* card = faultSource();
        if (card && card->fault(FaultKind::EnableFails, definition_.operation, channel)) {
            return RADEZUVI_ERR_FAULT;
        }
    }
    if (id == RADEZUVI_CHPROP_ENABLED) {
        auto& list = definition_.channels;
        list.erase(std::remove(list.begin(), list.end(), channel), list.end());
        if (value != 0) {
            list.push_back(static_cast<std::uint16_t>(channel));
        }
    } else {
        definition_.channelProperties[{channel, id}] = value;
    }
    settingsChanged();
    return RADEZUVI_OK;
}

std::int32_t Task::getChannelProperty(int channel, int id, double& value) const {
    std::lock_guard lock(mutex_);
    if (!findProperty(PropertyScope::Channel, id)) {
        return RADEZUVI_ERR_PROPERTY;
    }
    if (channel < 0 || channel >= channelCount()) {
        return RADEZUVI_ERR_CHANNEL;
    }
    value = id == RADEZUVI_CHPROP_ENABLED ? definition_.isEnabled(channel)
                                          : definition_.channelProperty(channel, id);
    return RADEZUVI_OK;
}

std::vector<std::uint16_t> Task::enabledChannels() const {
    std::lock_guard lock(mutex_);
    return definition_.channels;
}

std::int32_t Task::setCallback(Radezuvi_CallbackProc callback, void* userValue) {
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    sink_.callback = callback;
    sink_.userValue = userValue;
    return RADEZUVI_OK;
}

TaskDefinition Task::definition() const {
    std::lock_guard lock(mutex_);
    return definition_;
}

void Task::setDescription(std::string text) {
    std::lock_guard lock(mutex_);
    definition_.description = truncatedDescription(std::move(text));
}

// New settings: the next start configures again, and a pattern buffer is made anew.
void Task::settingsChanged() {
    state_ = State::Idle;
    pattern_.clear();
    patternCount_ = 0;
}

std::int32_t Task::stopOnRequest() {
    {
        std::lock_guard lock(mutex_);
        if (faultedLocked(FaultKind::StopFails)) {
            return RADEZUVI_ERR_FAULT; // the task goes on as it was
        }
    }
    return stop();
}

std::int32_t Task::stop() {
    if (TaskRunner::currentTask() == handle_) {
        // From the task's own callback: the engine thread ends once that callback returns.
        std::lock_guard lock(mutex_);
        haltLocked();
        if (runner_) {
            runner_->requestStop();
        }
        return RADEZUVI_OK;
    }
    std::lock_guard lifecycle(lifecycle_);
    std::unique_ptr<TaskRunner> runner;
    {
        std::lock_guard lock(mutex_);
        haltLocked();
        runner = std::move(runner_);
    }
    runner.reset(); // joins outside mutex_, so callbacks may still query the task
    return RADEZUVI_OK;
}

void Task::haltLocked() {
    if (state_ != State::Running) {
        return;
    }
    if (isKind(OperationKind::EventCounter)) {
        counterFrozen_ = runningCount();
    } else if (isKind(OperationKind::FunctionGenerator)) {
        for (const int channel : definition_.channels) {
            card_->writeAnalogOutput(channel, 0);
        }
    }
    state_ = State::Configured;
}

} // namespace radezuvi
