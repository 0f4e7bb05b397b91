#pragma once

#include "maker/controls/queued_call.h"

#include <atomic>
#include <mutex>
#include <utility>

namespace doz::controls {

// The hand-over between the threads that plot and the graph that draws. Producers fill a spare
// envelope outside the lock and swap it in as the waiting frame; the graph swaps the waiting
// frame out on its own thread. At most one queued "frame waiting" call is in flight; the graph's
// receiver is detached under the lock before the graph dies, so a late producer never reaches it.
template <class Envelope> class FrameMailbox {
public:
    // Producer side, any thread: a buffer to reduce into (a spare one when there is, so storage is
    // reused), and the pixel columns the graph draws.
    Envelope takeSpare() {
        std::lock_guard lock(mutex_);
        return std::exchange(spare_, Envelope{});
    }
    int columns() const { return columns_.load(std::memory_order_relaxed); }

    // Producer side: makes `filled` the waiting frame (replacing one not yet drawn) and asks the
    // graph, once, to collect it.
    void post(Envelope&& filled) {
        std::lock_guard lock(mutex_);
        std::swap(waiting_, filled);
        hasWaiting_ = true;
        spare_ = std::move(filled);
        if (receiver_ != nullptr && !requested_) {
            requested_ = true;
            receiver_->post();
        }
    }

    // Graph side, user-interface thread.
    // `receiver` belongs to the graph and dies with it, dropping a request still queued.
    void attach(QueuedCall* receiver) {
        std::lock_guard lock(mutex_);
        receiver_ = receiver;
    }
    void detach() {
        std::lock_guard lock(mutex_);
        receiver_ = nullptr;
        hasWaiting_ = false;
    }
    void setColumns(int columns) { columns_.store(columns, std::memory_order_relaxed); }
    // The queued request has arrived: the next post may send another.
    void acknowledge() {
        std::lock_guard lock(mutex_);
        requested_ = false;
    }
    // Swaps the waiting frame into `shown`; false when none waits.
    bool collect(Envelope& shown) {
        std::lock_guard lock(mutex_);
        if (!hasWaiting_)
            return false;
        std::swap(shown, waiting_);
        hasWaiting_ = false;
        return true;
    }
    // Forgets the frame waiting, if any.
    void discard() {
        std::lock_guard lock(mutex_);
        hasWaiting_ = false;
    }

private:
    std::mutex mutex_;
    Envelope waiting_;
    Envelope spare_;
    bool hasWaiting_ = false;
    bool requested_ = false;
    QueuedCall* receiver_ = nullptr;
    std::atomic<int> columns_{1};
};

} // namespace doz::controls
