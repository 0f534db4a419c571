// Items handed to one thread of their own and worked on in the order given, so that the
// one who hands them over goes on meanwhile. The thread starts with the first item; a
// failure is kept and the items after it, waiting or added later, are dropped until
// Close, so none is done out of order.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace platform {

template <class Item>
class OrderedWorker {
public:
    explicit OrderedWorker(std::function<void(Item&)> work) : work_(std::move(work)) {}
    // Works on what is left; a failure is dropped.
    ~OrderedWorker() { Close(); }
    OrderedWorker(const OrderedWorker&) = delete;
    OrderedWorker& operator=(const OrderedWorker&) = delete;

    void Add(Item item) {
        std::lock_guard lock(mutex_);
        if (failure_) return;  // until Close hands the failure over
        waiting_.push_back(std::move(item));
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
        changed_.notify_all();
    }

    // Returns once every item added is done.
    void WaitUntilDone() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return waiting_.empty() && !working_; });
    }

    // Ends the thread once every item added is done; the work's first failure, if any.
    // Items may be added again afterwards.
    std::exception_ptr Close() {
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

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
            if (waiting_.empty()) return;
            std::exception_ptr failure;
            {
                Item item = std::move(waiting_.front());
                waiting_.pop_front();
                working_ = true;
                lock.unlock();
                try {
                    work_(item);
                } catch (...) {
                    failure = std::current_exception();
                }
            }  // the item let go of outside the lock
            lock.lock();
            working_ = false;
            if (failure && !failure_) failure_ = failure;
            if (failure_) waiting_.clear();
            changed_.notify_all();
        }
    }

    const std::function<void(Item&)> work_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> waiting_;
    bool working_ = false;
    bool closing_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace platform
