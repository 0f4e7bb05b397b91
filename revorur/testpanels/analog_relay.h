#pragma once
// Relay of a continuous analog-input task: each block goes to a graph's feed (reduced there
// during the callback) and a short summary of it to the user-interface thread.

#include "revorur/testpanels/callback_relay.h"

#include "maker/controls/graph_feed.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace doz::testpanels {

// What the newest block of a task held, tagged with the task.
struct AnalogBlockSummary {
    Radezuvi_Handle task = 0;
    std::size_t samples = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    std::uint64_t blocks = 0;   // blocks taken from this task
    std::uint64_t overruns = 0; // of them, blocks after which the engine had dropped some
};

class AnalogRelay final : public CallbackRelay {
public:
    // Blocks with more interleaved channels than this draw nothing.
    static constexpr std::uint32_t MaxChannels = 16;

    // `feed` draws the blocks; `onSummary` runs on the user-interface thread with the newest
    // summary of the followed task.
    AnalogRelay(std::shared_ptr<controls::AnalogFeed> feed,
                std::function<void(const AnalogBlockSummary&)> onSummary);
    ~AnalogRelay() override;

protected:
    bool take(Radezuvi_Handle task, std::int32_t eventId, const void* record) override;
    void deliver(Radezuvi_Handle task) override;

private:
    std::shared_ptr<controls::AnalogFeed> feed_;
    std::function<void(const AnalogBlockSummary&)> onSummary_;
    std::mutex mutex_;
    AnalogBlockSummary newest_;
};

} // namespace doz::testpanels
