// The scan's scenery files read ahead on a few threads of their own: a file's parts on
// several threads at once and the earliest file's parts first, so that the file the
// scan adds next is ready as soon as it can be.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "gathrel/scenery_files.h"
#include "scenrix/scenery_reader.h"

namespace gathrel {

class SceneryReadAhead {
public:
    // Starts threads that read up to filesAhead files beyond the last one taken.
    SceneryReadAhead(const std::vector<SceneryFile>& files, std::size_t threads, std::size_t filesAhead);
    // Parts begun are finished and the rest left unread.
    ~SceneryReadAhead();
    SceneryReadAhead(const SceneryReadAhead&) = delete;
    SceneryReadAhead& operator=(const SceneryReadAhead&) = delete;

    // The file at index once it is read, reading its parts meanwhile; the files are taken
    // in their order, each once. A failure of its reading is thrown here.
    scenrix::SceneryFileRead Take(std::size_t index);
    // Hands back a file taken, its lines moved out, to be freed on the reading threads,
    // so that the scan's own thread goes on to the next file meanwhile.
    void Release(scenrix::SceneryFileRead&& spent);

private:
    struct File {
        std::optional<scenrix::SceneryFileRead> read;
        bool opened = false;
        std::size_t parts = 0;
        std::size_t partsBegun = 0;
        std::size_t partsDone = 0;
        std::exception_ptr failure;

        bool Done() const { return opened && partsDone == parts; }
    };

    void Work();
    // What a thread does next, chosen under the lock.
    enum class Task { None, Open, ReadPart, Free };
    Task NextTask(std::size_t& file, std::size_t& part);
    // Runs the task with the lock released.
    void Run(Task task, std::size_t file, std::size_t part, std::unique_lock<std::mutex>& lock);
    // Frees the last file released, with the lock released meanwhile.
    void Free(std::unique_lock<std::mutex>& lock);
    // Wakes as many idle threads as there are new tasks, at most.
    void WakeIdle(std::size_t tasks);

    const std::vector<SceneryFile>& files_;
    const std::size_t threadCount_;
    const std::size_t filesAhead_;
    std::vector<File> state_;
    // Files released, to be freed.
    std::vector<scenrix::SceneryFileRead> spent_;
    std::size_t taken_ = 0;         // files handed out
    std::size_t opening_ = 0;       // files whose opening has begun
    std::size_t partsWaiting_ = 0;  // parts of opened files not yet begun
    std::size_t idleThreads_ = 0;
    bool taking_ = false;  // Take waits
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable workReady_;
    std::condition_variable fileDone_;
    std::vector<std::thread> threads_;
};

}  // namespace gathrel
