// The builder's one worker: a scan, or a merge and its sorts. Busy from just before the
// worker starts until its result has been taken on the user-interface thread, so OK,
// Cancel and a second "Create Db" are refused for the whole of it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "gathrel/scan_progress.h"

namespace gathrel {

class BuilderJob {
public:
    BuilderJob() = default;
    ~BuilderJob() { Stop(); }
    BuilderJob(const BuilderJob&) = delete;
    BuilderJob& operator=(const BuilderJob&) = delete;

    bool Busy() const { return busy_; }
    // Runs work on the worker with a fresh progress; false (and nothing started) while busy.
    bool Start(std::function<void(ScanProgress&)> work);
    // The worker has returned; its result may be taken.
    bool WorkDone() const { return done_; }
    // Joins the returned worker and ends the busy time.
    void Finish();
    // Asks the worker to stop at its next file, waits for it, and ends the busy time.
    void Stop();

    ScanProgress& Progress() { return *progress_; }

private:
    std::unique_ptr<ScanProgress> progress_ = std::make_unique<ScanProgress>();
    std::thread worker_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> done_{false};
};

}  // namespace gathrel
