// Message boxes: every message the suite shows to the user goes through MessageBox.
// Programs install a GUI handler; tests install a MessageBoxRecorder that answers
// from a script and keeps what was shown. Callable from any thread.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/export.h"

namespace platform {

enum class MbIcon { None, Information, Question, Stop, Exclamation };
enum class MbButtons { Ok, YesNo, YesNoCancel };
enum class MbResult { Ok, Yes, No, Cancel };
// The suite's texts are single-byte (Latin-1, byte for byte); a text that names what the
// user typed beyond that code page is in UTF-8.
enum class MbTextEncoding { Latin1, Utf8 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;  // already resolved: the program title when the caller gave none
    MbIcon icon = MbIcon::None;
    MbButtons buttons = MbButtons::Ok;
    int defaultButton = 0;                             // 0 = first button, 1 = second, 2 = third
    MbTextEncoding encoding = MbTextEncoding::Latin1;  // the text's; the caption is Latin-1
};

using MessageBoxHandler = std::function<MbResult(const MessageBoxRequest&)>;

// Shows a message box and returns the button pressed. An empty caption means the
// program's title (SetProgramTitle). Without an installed handler the text goes to
// stderr and the default button is returned.
PLATFORM_API MbResult MessageBox(const std::string& text, const std::string& caption = {}, MbIcon icon = MbIcon::None,
                                 MbButtons buttons = MbButtons::Ok, int defaultButton = 0,
                                 MbTextEncoding encoding = MbTextEncoding::Latin1);

// Installs the handler; returns the previous one. An empty handler restores the default.
PLATFORM_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

PLATFORM_API void SetProgramTitle(const std::string& title);
PLATFORM_API std::string ProgramTitle();

// Test double: installs itself for its lifetime, answers each box with the next scripted
// answer (the box's default button once the script is used up) and records every request.
class PLATFORM_API MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(std::vector<MbResult> answers = {});
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> shown() const;
    std::vector<std::string> texts() const;
    void clear();

private:
    MbResult answer(const MessageBoxRequest& request);

    mutable std::mutex mutex_;
    std::vector<MbResult> answers_;
    size_t next_ = 0;
    std::vector<MessageBoxRequest> shown_;
    MessageBoxHandler previous_;
};

}  // namespace platform
