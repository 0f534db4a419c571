// The queue behind SceneryLogWriter: files' logs waiting for the writing thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "runway_ends.h"
#include "scenrix/scenery_reader.h"

namespace scenrix {

struct SceneryLogWriter::Queue {
    ~Queue();
    // Takes one file's logs, written after those added before.
    void Add(detail::RunwayLogs&& logs);
    // Returns once every log added is written.
    void WaitUntilWritten();
    // Ends the thread once every log added is written; the writing's failure, if any.
    std::exception_ptr Close();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<detail::RunwayLogs> waiting_;
    bool writing_ = false;  // a file's logs are being written
    bool closing_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace scenrix
