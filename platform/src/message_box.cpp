#include "platform/message_box.h"

#include <cstdio>

namespace platform {
namespace {

struct MessageBoxState {
    std::mutex mutex;
    MessageBoxHandler handler;
    std::string title;
};

MessageBoxState& State() {
    static MessageBoxState state;
    return state;
}

MbResult DefaultButtonResult(const MessageBoxRequest& request) {
    switch (request.buttons) {
        case MbButtons::Ok:
            return MbResult::Ok;
        case MbButtons::YesNo:
            return request.defaultButton == 1 ? MbResult::No : MbResult::Yes;
        case MbButtons::YesNoCancel:
            if (request.defaultButton == 1) return MbResult::No;
            if (request.defaultButton == 2) return MbResult::Cancel;
            return MbResult::Yes;
    }
    return MbResult::Ok;
}

MbResult ShowOnStderr(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    return DefaultButtonResult(request);
}

}  // namespace

MbResult MessageBox(const std::string& text, const std::string& caption, MbIcon icon, MbButtons buttons,
                    int defaultButton, MbTextEncoding encoding) {
    MessageBoxRequest request{text, caption, icon, buttons, defaultButton, encoding};
    MessageBoxHandler handler;
    {
        std::lock_guard lock(State().mutex);
        if (request.caption.empty()) request.caption = State().title;
        handler = State().handler;
    }
    // Called without the lock so a handler may itself show a box or change the handler.
    return handler ? handler(request) : ShowOnStderr(request);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    std::lock_guard lock(State().mutex);
    MessageBoxHandler previous = std::move(State().handler);
    State().handler = std::move(handler);
    return previous;
}

void SetProgramTitle(const std::string& title) {
    std::lock_guard lock(State().mutex);
    State().title = title;
}

std::string ProgramTitle() {
    std::lock_guard lock(State().mutex);
    return State().title;
}

MessageBoxRecorder::MessageBoxRecorder(std::vector<MbResult> answers) : answers_(std::move(answers)) {
    previous_ = SetMessageBoxHandler([this](const MessageBoxRequest& request) { return answer(request); });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(std::move(previous_)); }

std::vector<MessageBoxRequest> MessageBoxRecorder::shown() const {
    std::lock_guard lock(mutex_);
    return shown_;
}

std::vector<std::string> MessageBoxRecorder::texts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const MessageBoxRequest& request : shown_) texts.push_back(request.text);
    return texts;
}

void MessageBoxRecorder::clear() {
    std::lock_guard lock(mutex_);
    shown_.clear();
}

MbResult MessageBoxRecorder::answer(const MessageBoxRequest& request) {
    std::lock_guard lock(mutex_);
    shown_.push_back(request);
    if (next_ < answers_.size()) return answers_[next_++];
    return DefaultButtonResult(request);
}

}  // namespace platform
