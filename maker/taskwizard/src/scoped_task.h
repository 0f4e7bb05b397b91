// An engine task handle that is ended when it goes out of scope.
#pragma once

#include "maker/engine/radezuvi_engine.h"

#include <utility>

namespace doz::taskwizard {

class ScopedTask {
public:
    ScopedTask() = default;
    explicit ScopedTask(Radezuvi_Handle handle) : handle_(handle) {}
    ScopedTask(ScopedTask&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    ScopedTask& operator=(ScopedTask&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, 0));
        }
        return *this;
    }
    ScopedTask(const ScopedTask&) = delete;
    ScopedTask& operator=(const ScopedTask&) = delete;
    ~ScopedTask() { reset(); }

    Radezuvi_Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }
    void reset(Radezuvi_Handle handle = 0) {
        if (handle_ != 0) {
            Radezuvi_EndTask(handle_);
        }
        handle_ = handle;
    }

private:
    Radezuvi_Handle handle_ = 0;
};

} // namespace doz::taskwizard
