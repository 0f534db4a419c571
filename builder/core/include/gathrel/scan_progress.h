// What a scan or a merge on the worker thread shows on the Files page: its counters,
// its progress (by bytes read), its status text, the status line below the bar (where
// the sorts show their swaps), and the request to stop. Written by the worker, read by
// the user-interface thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace gathrel {

class ScanProgress {
public:
    void SetCounts(std::size_t navaids, std::size_t airports) {
        navaids_ = navaids;
        airports_ = airports;
    }
    std::size_t Navaids() const { return navaids_; }
    std::size_t Airports() const { return airports_; }

    // done of total; a total of 0 shows nothing done.
    void SetProgress(std::uint64_t done, std::uint64_t total) {
        percent_ = total == 0 ? 0 : static_cast<int>(done * 100 / total);
    }
    int Percent() const { return percent_; }

    void SetStatus(std::string text) {
        std::lock_guard lock(mutex_);
        if (statusListener_) statusListener_(text);
        status_ = std::move(text);
    }
    std::string Status() const {
        std::lock_guard lock(mutex_);
        return status_;
    }
    // Told of every status as it is set, on the setter's thread; set it before the work starts.
    void SetStatusListener(std::function<void(const std::string&)> listener) {
        std::lock_guard lock(mutex_);
        statusListener_ = std::move(listener);
    }

    void SetStatusLine(std::string text) {
        std::lock_guard lock(mutex_);
        statusLine_ = std::move(text);
    }
    std::string StatusLine() const {
        std::lock_guard lock(mutex_);
        return statusLine_;
    }

    void RequestStop() { stop_ = true; }
    bool StopRequested() const { return stop_; }

private:
    std::atomic<std::size_t> navaids_{0};
    std::atomic<std::size_t> airports_{0};
    std::atomic<int> percent_{0};
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::string status_;
    std::string statusLine_;
    std::function<void(const std::string&)> statusListener_;
};

}  // namespace gathrel
