#include "simulator.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "menu_bar.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/timers.h"
#include "simlinker/link_protocol.h"

namespace fsim {
namespace {

constexpr unsigned kMotionTimerMs = 100;
constexpr const char* kMainWindowTitle = "Stand-in Flight Simulator";
// Script commands arrive at a window of their own: one that no module subclasses, so a
// module can be unloaded while a command runs.
constexpr const char* kControlWindowClass = "FSIM_CONTROL";
constexpr platform::WParam kMenuClosed = platform::WParam{0xFFFF} << 16;

Simulator* g_simulator = nullptr;  // the one simulator of the program, for its callbacks
std::chrono::steady_clock::time_point g_lastMotion;

std::string Hex(const std::uint8_t* bytes, size_t count) {
    std::string text;
    char pair[3];
    for (size_t index = 0; index < count; ++index) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[index]);
        text += pair;
    }
    return text;
}

// "\n" and "\t" spelled out, so a message box fits one reply line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\t')
            line += "\\t";
        else
            line += c;
    }
    return line;
}

bool IsHex(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

bool InBlock(unsigned long offset, unsigned long length, size_t size) {
    return offset <= size && length <= size - offset;
}

}  // namespace

Simulator::Simulator(const Options& options) {
    g_simulator = this;
    platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest& request) {
        boxes_.push_back(request.caption + ": " + OneLine(request.text));
        std::fprintf(stderr, "message box %s: %s\n", request.caption.c_str(), request.text.c_str());
        return platform::MbResult::Ok;
    });
    platform::RegisterWindowClass({simlink::kSimulatorWindowClass, MainProc});
    mainWindow_ = platform::CreateWindow(simlink::kSimulatorWindowClass, kMainWindowTitle);
    if (mainWindow_ == 0) return;
    platform::RegisterWindowClass({kControlWindowClass, ControlProc});
    controlWindow_ = platform::CreateWindow(kControlWindowClass, "Stand-in simulator script");
    platform::SetMenu(mainWindow_, BuildMenuBar(options.menuItems));
    g_lastMotion = std::chrono::steady_clock::now();
    motionTimer_ = platform::SetThreadTimer(kMotionTimerMs, MotionTimer);
    module_ = std::make_unique<ModuleHost>(options.modulesFolder, globals_.base());
    std::fprintf(stderr, "Cabinhook: %s\n", module_->Load().c_str());
    control_ = std::make_unique<ControlChannel>(options.commandPath, options.replyPath, controlWindow_);
}

Simulator::~Simulator() {
    module_.reset();
    if (motionTimer_ != 0) platform::KillTimer(motionTimer_);
    if (mainWindow_ != 0) platform::DestroyWindow(mainWindow_);
    if (controlWindow_ != 0) platform::DestroyWindow(controlWindow_);
    control_.reset();
    platform::SetMessageBoxHandler({});
    g_simulator = nullptr;
}

int Simulator::Run() { return platform::RunMessageLoop(); }

platform::LResult Simulator::MainProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                      platform::LParam lParam) {
    switch (message) {
        case platform::WM_COMMAND:
            g_simulator->commands_.push_back(platform::LoWord(wParam));
            return 0;
        case platform::WM_CLOSE:
            platform::PostQuitMessage(0);
            return 0;
        default:
            return platform::DefWindowProc(window, message, wParam, lParam);
    }
}

platform::LResult Simulator::ControlProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                         platform::LParam lParam) {
    if (message != kCommandMessage) return platform::DefWindowProc(window, message, wParam, lParam);
    g_simulator->RunPendingCommands();
    return 0;
}

void Simulator::MotionTimer(platform::Hwnd, unsigned, std::uintptr_t, std::uint32_t) {
    const auto now = std::chrono::steady_clock::now();
    g_simulator->globals_.Advance(std::chrono::duration<double>(now - g_lastMotion).count());
    g_lastMotion = now;
}

void Simulator::RunPendingCommands() {
    while (auto line = control_->NextCommand()) {
        if (std::optional<std::string> reply = Execute(*line)) control_->Reply(*reply);
    }
}

void Simulator::ReplaceMenuBar(int items) {
    const platform::Hmenu old = platform::GetMenu(mainWindow_);
    platform::SetMenu(mainWindow_, BuildMenuBar(items));
    if (old != 0) platform::DestroyMenu(old);
    platform::DrawMenuBar(mainWindow_);
}

std::optional<std::string> Simulator::Execute(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "set") {
        unsigned long offset = 0;
        std::string hex;
        words >> offset >> hex;
        if (hex.size() % 2 != 0 || !IsHex(hex) || !InBlock(offset, hex.size() / 2, globals_.size())) return "error";
        for (size_t index = 0; index < hex.size() / 2; ++index)
            globals_.base()[offset + index] =
                static_cast<std::uint8_t>(std::stoul(hex.substr(2 * index, 2), nullptr, 16));
        return "ok";
    }
    if (command == "dump") {
        unsigned long offset = 0, length = 0;
        words >> offset >> length;
        if (!InBlock(offset, length, globals_.size())) return "error";
        return Hex(globals_.base() + offset, length);
    }
    if (command == "menubar") {
        int items = 0;
        words >> items;
        ReplaceMenuBar(items);
        return "ok";
    }
    if (command == "menu") return DescribeMenu(platform::GetMenu(mainWindow_));
    if (command == "click") {
        unsigned id = 0;
        words >> id;
        platform::SendMessage(mainWindow_, platform::WM_COMMAND, id, 0);
        return "ok";
    }
    if (command == "menuclose") {
        platform::SendMessage(mainWindow_, platform::WM_MENUSELECT, kMenuClosed, 0);
        return "ok";
    }
    if (command == "commands") {
        std::string text;
        for (unsigned id : commands_) {
            if (!text.empty()) text += ',';
            text += std::to_string(id);
        }
        return text;
    }
    if (command == "boxes") {
        std::string text;
        for (const std::string& box : boxes_) text += (text.empty() ? "" : " | ") + box;
        return text;
    }
    if (command == "hooked") return platform::GetWindowProc(mainWindow_) == MainProc ? "no" : "yes";
    if (command == "hang") {
        int milliseconds = 0;
        words >> milliseconds;
        control_->Reply("ok");
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return std::nullopt;
    }
    if (command == "load") return module_->Load();
    if (command == "unload") {
        module_->Unload();
        return "ok";
    }
    if (command == "quit") {
        platform::PostQuitMessage(0);
        return "ok";
    }
    return "unknown command";
}

}  // namespace fsim
