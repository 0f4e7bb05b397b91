// Hands events of one task to the callback its owner set.
#pragma once

#include "radezuvi_engine.h"

#include <cstdint>

namespace radezuvi {

struct EventSink {
    std::uint32_t handle = 0;
    Radezuvi_CallbackProc callback = nullptr;
    void* userValue = nullptr;

    bool wanted() const { return callback != nullptr; }
    void deliver(int eventId, void* record) const {
        if (callback) {
            callback(static_cast<std::int32_t>(handle), eventId, userValue, record);
        }
    }
};

// The event of a data block: the last of a one-shot acquisition, one after lost blocks, or plain.
inline int dataEvent(bool finite, bool skipped) {
    return finite ? RADEZUVI_EVENT_DATA_LAST : skipped ? RADEZUVI_EVENT_DATA_OVERRUN : RADEZUVI_EVENT_DATA;
}

} // namespace radezuvi
