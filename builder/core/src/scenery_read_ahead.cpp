#include "scenery_read_ahead.h"

#include <utility>

namespace gathrel {

SceneryReadAhead::SceneryReadAhead(const std::vector<SceneryFile>& files, std::size_t threads, std::size_t filesAhead)
    : files_(files), threadCount_(threads), filesAhead_(filesAhead), state_(files.size()) {
    threads_.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

SceneryReadAhead::~SceneryReadAhead() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workReady_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

// A file is opened ahead while fewer parts wait than there are threads to read them;
// otherwise the earliest file's next part is read.
SceneryReadAhead::Task SceneryReadAhead::NextTask(std::size_t& file, std::size_t& part) {
    if (!spent_.empty()) return Task::Free;
    if (opening_ < files_.size() && opening_ < taken_ + filesAhead_ && partsWaiting_ < threadCount_) {
        file = opening_++;
        return Task::Open;
    }
    if (partsWaiting_ == 0) return Task::None;
    for (file = taken_; file < opening_; ++file) {
        File& state = state_[file];
        if (state.opened && state.partsBegun < state.parts) {
            part = state.partsBegun++;
            // Few enough parts wait now that an idle thread may open the next file.
            if (partsWaiting_-- == threadCount_) WakeIdle(1);
            return Task::ReadPart;
        }
    }
    return Task::None;
}

void SceneryReadAhead::Run(Task task, std::size_t file, std::size_t part, std::unique_lock<std::mutex>& lock) {
    File& state = state_[file];
    lock.unlock();
    std::exception_ptr failure;
    std::optional<scenrix::SceneryFileRead> opened;
    try {
        if (task == Task::Open) {
            opened.emplace(scenrix::SceneryFileRead::Opened(files_[file].path.c_str(), threadCount_));
        } else {
            state.read->ReadPart(part);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    lock.lock();
    if (failure && !state.failure) state.failure = failure;
    if (task == Task::Open) {
        state.opened = true;
        if (opened) {
            state.parts = opened->PartCount();
            state.read = std::move(opened);
            partsWaiting_ += state.parts;
        }
        // The opening thread takes a part itself; the next file may be opened too.
        WakeIdle(state.parts);
        if (taking_) fileDone_.notify_one();
    } else if (++state.partsDone == state.parts && taking_) {
        fileDone_.notify_one();
    }
}

void SceneryReadAhead::WakeIdle(std::size_t tasks) {
    for (std::size_t i = 0; i < tasks && i < idleThreads_; ++i) workReady_.notify_one();
}

void SceneryReadAhead::Free(std::unique_lock<std::mutex>& lock) {
    std::optional<scenrix::SceneryFileRead> spent(std::move(spent_.back()));
    spent_.pop_back();
    lock.unlock();
    spent.reset();
    lock.lock();
}

// Files released are freed even once the reading stops.
void SceneryReadAhead::Work() {
    std::unique_lock lock(mutex_);
    while (!stopping_ || !spent_.empty()) {
        std::size_t file = 0;
        std::size_t part = 0;
        const Task task = stopping_ ? Task::Free : NextTask(file, part);
        if (task == Task::Free) {
            Free(lock);
            continue;
        }
        if (task == Task::None) {
            ++idleThreads_;
            workReady_.wait(lock);
            --idleThreads_;
            continue;
        }
        Run(task, file, part, lock);
    }
}

scenrix::SceneryFileRead SceneryReadAhead::Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    File& state = state_[index];
    while (!state.Done()) {
        if (!state.opened && opening_ == index) {
            ++opening_;
            Run(Task::Open, index, 0, lock);
        } else if (state.opened && state.partsBegun < state.parts) {
            --partsWaiting_;
            Run(Task::ReadPart, index, state.partsBegun++, lock);
        } else {
            taking_ = true;
            fileDone_.wait(lock);
            taking_ = false;
        }
    }
    taken_ = index + 1;
    WakeIdle(1);
    if (state.failure) std::rethrow_exception(state.failure);
    return std::move(*state.read);
}

void SceneryReadAhead::Release(scenrix::SceneryFileRead&& spent) {
    std::lock_guard lock(mutex_);
    spent_.push_back(std::move(spent));
    WakeIdle(1);
}

}  // namespace gathrel
