// The script channel: command lines read on a thread of their own and handed to the
// user-interface thread, one reply line each.
#pragma once

#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/window_types.h"

namespace fsim {

// Posted to the control window when a command line is waiting.
constexpr unsigned kCommandMessage = platform::WM_APP + 1;

class ControlChannel {
public:
    // Empty paths mean standard input and output.
    ControlChannel(std::string commandPath, std::string replyPath, platform::Hwnd controlWindow);
    ~ControlChannel();
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;

    std::optional<std::string> NextCommand();
    void Reply(const std::string& line);

private:
    void ReadLines();

    std::string commandPath_;
    std::string replyPath_;
    platform::Hwnd controlWindow_;
    std::mutex mutex_;
    std::deque<std::string> commands_;
    std::FILE* replies_ = nullptr;
    std::thread reader_;
};

}  // namespace fsim
