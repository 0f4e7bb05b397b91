#include "task_runner.h"

namespace radezuvi {

namespace {

thread_local std::uint32_t tCurrentTask = 0;

} // namespace

bool Pacer::waitUntil(Clock::time_point when) {
    std::unique_lock lock(mutex_);
    wake_.wait_until(lock, when, [this] { return stop_; });
    return !stop_;
}

bool Pacer::stopping() const {
    std::lock_guard lock(mutex_);
    return stop_;
}

void Pacer::requestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

TaskRunner::TaskRunner(std::uint32_t handle, RunnerBody body) : pacer_(std::make_shared<Pacer>()) {
    thread_ = std::thread([handle, pacer = pacer_, body = std::move(body)] {
        tCurrentTask = handle;
        body(*pacer);
    });
}

TaskRunner::~TaskRunner() {
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        pacer_->requestStop();
        thread_.detach();
        return;
    }
    stopAndJoin();
}

void TaskRunner::requestStop() {
    pacer_->requestStop();
}

void TaskRunner::stopAndJoin() {
    pacer_->requestStop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::uint32_t TaskRunner::currentTask() {
    return tCurrentTask;
}

} // namespace radezuvi
