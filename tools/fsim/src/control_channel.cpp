#include "control_channel.h"

#include "platform/windows.h"

namespace fsim {

ControlChannel::ControlChannel(std::string commandPath, std::string replyPath, platform::Hwnd controlWindow)
    : commandPath_(std::move(commandPath)), replyPath_(std::move(replyPath)), controlWindow_(controlWindow) {
    reader_ = std::thread([this] { ReadLines(); });
    reader_.detach();  // may sit in a blocking read when the program ends
}

ControlChannel::~ControlChannel() {
    std::lock_guard lock(mutex_);
    if (replies_ != nullptr && replies_ != stdout) std::fclose(replies_);
    replies_ = nullptr;
}

void ControlChannel::ReadLines() {
    // The peer opens the commands first, then the replies: open in the same order.
    std::FILE* commands = commandPath_.empty() ? stdin : std::fopen(commandPath_.c_str(), "r");
    std::FILE* replies = replyPath_.empty() ? stdout : std::fopen(replyPath_.c_str(), "w");
    {
        std::lock_guard lock(mutex_);
        replies_ = replies;
    }
    std::string line;
    int c = 0;
    while (commands != nullptr && (c = std::fgetc(commands)) != EOF) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        {
            std::lock_guard lock(mutex_);
            commands_.push_back(line);
        }
        line.clear();
        platform::PostMessage(controlWindow_, kCommandMessage, 0, 0);
    }
    // The script has gone: so does the simulator.
    {
        std::lock_guard lock(mutex_);
        commands_.push_back("quit");
    }
    platform::PostMessage(controlWindow_, kCommandMessage, 0, 0);
}

std::optional<std::string> ControlChannel::NextCommand() {
    std::lock_guard lock(mutex_);
    if (commands_.empty()) return std::nullopt;
    std::string command = std::move(commands_.front());
    commands_.pop_front();
    return command;
}

void ControlChannel::Reply(const std::string& line) {
    std::lock_guard lock(mutex_);
    if (replies_ == nullptr) return;
    std::fputs((line + "\n").c_str(), replies_);
    std::fflush(replies_);
}

}  // namespace fsim
