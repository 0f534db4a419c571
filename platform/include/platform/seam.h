// Seams: services of the outside world (a file chooser, a printer, starting a program)
// that are real by default and that a test answers instead. Each seam keeps its handler
// in one SeamSlot, defined once in the seam's own source file, and offers the function that
// installs a handler (returning the previous one); while no handler is installed the real
// service runs.
//
// A SeamRecorder is a seam's test double: while it lives it is the seam's handler; it
// keeps every request and answers each with the next scripted answer, then with its
// fallback once the script is used up.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace platform {

template <class Handler>
class SeamSlot {
public:
    // Installs the handler; returns the previous one.
    Handler Swap(Handler next) {
        std::lock_guard lock(mutex_);
        std::swap(handler_, next);
        return next;
    }
    // A copy, called without the lock so that a handler may use the seam again.
    Handler Current() const {
        std::lock_guard lock(mutex_);
        return handler_;
    }

private:
    mutable std::mutex mutex_;
    Handler handler_;
};

template <class Request, class Answer>
class SeamRecorder {
public:
    using Handler = std::function<Answer(const Request&)>;
    using Install = Handler (*)(Handler);

    SeamRecorder(Install install, std::vector<Answer> answers, Answer fallback)
        : install_(install), answers_(std::move(answers)), fallback_(std::move(fallback)) {
        previous_ = install_([this](const Request& request) { return Answer_(request); });
    }
    ~SeamRecorder() { install_(std::move(previous_)); }
    SeamRecorder(const SeamRecorder&) = delete;
    SeamRecorder& operator=(const SeamRecorder&) = delete;

    std::vector<Request> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        requests_.clear();
    }

private:
    Answer Answer_(const Request& request) {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        return next_ < answers_.size() ? answers_[next_++] : fallback_;
    }

    Install install_;
    mutable std::mutex mutex_;
    std::vector<Answer> answers_;
    Answer fallback_;
    std::size_t next_ = 0;
    std::vector<Request> requests_;
    Handler previous_;
};

}  // namespace platform
