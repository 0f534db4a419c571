#include "gathrel/lines_freed_later.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace gathrel {

namespace {

// One thread, started with the first list; at exit it frees what is left and ends.
class LineFreeing {
public:
    ~LineFreeing() {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        woken_.notify_one();
        if (thread_.joinable()) thread_.join();
    }

    void Take(std::vector<std::string>&& lines) {
        if (lines.empty()) return;
        {
            std::lock_guard lock(mutex_);
            waiting_.push_back(std::move(lines));
            if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
        }
        lines = {};
        woken_.notify_one();
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            woken_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
            if (waiting_.empty()) return;
            std::vector<std::vector<std::string>> freed = std::exchange(waiting_, {});
            lock.unlock();
            freed.clear();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable woken_;
    std::vector<std::vector<std::string>> waiting_;
    bool closing_ = false;
    std::thread thread_;
};

LineFreeing& Freeing() {
    static LineFreeing freeing;
    return freeing;
}

}  // namespace

void FreeLinesLater(std::vector<std::string>&& lines) { Freeing().Take(std::move(lines)); }

void ReplaceLines(std::vector<std::string>& kept, std::vector<std::string>&& fresh, scenrix::LineKind kind) {
    FreeLinesLater(scenrix::KeepLineStorage(kind, std::exchange(kept, std::move(fresh))));
}

}  // namespace gathrel
