#include "scenery_log_queue.h"

#include <utility>

namespace scenrix {

SceneryLogWriter::Queue::~Queue() { Close(); }

void SceneryLogWriter::Queue::Add(detail::RunwayLogs&& logs) {
    if (logs.corrections.empty() && logs.invalidRunways.empty()) return;
    std::lock_guard lock(mutex_);
    waiting_.push_back(std::move(logs));
    // Started with the first records, so that a scan that logs nothing starts no thread.
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    changed_.notify_all();
}

void SceneryLogWriter::Queue::WaitUntilWritten() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

std::exception_ptr SceneryLogWriter::Queue::Close() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    closing_ = false;
    return std::exchange(failure_, nullptr);
}

// After a failure the logs that follow are dropped, so that none is written out of order.
void SceneryLogWriter::Queue::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
        if (waiting_.empty()) return;
        detail::RunwayLogs logs = std::move(waiting_.front());
        waiting_.pop_front();
        writing_ = true;
        lock.unlock();
        std::exception_ptr failure;
        try {
            logs.Write();
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        writing_ = false;
        if (failure && !failure_) failure_ = failure;
        if (failure_) waiting_.clear();
        changed_.notify_all();
    }
}

SceneryLogWriter::SceneryLogWriter() : queue_(std::make_unique<Queue>()) {}

SceneryLogWriter::~SceneryLogWriter() = default;

void SceneryLogWriter::Finish() {
    if (std::exception_ptr failure = queue_->Close()) std::rethrow_exception(failure);
}

}  // namespace scenrix
