// The stand-in simulator: its main window, global block, menu bar, loaded module and the
// script commands.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "control_channel.h"
#include "global_variables.h"
#include "module_host.h"
#include "platform/menus.h"
#include "platform/windows.h"

namespace fsim {

struct Options {
    std::filesystem::path modulesFolder;
    int menuItems = 7;
    std::string commandPath;  // empty: standard input
    std::string replyPath;    // empty: standard output
};

class Simulator {
public:
    explicit Simulator(const Options& options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    bool started() const { return mainWindow_ != 0; }
    int Run();

private:
    static platform::LResult MainProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                      platform::LParam lParam);
    static platform::LResult ControlProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                         platform::LParam lParam);
    static void MotionTimer(platform::Hwnd, unsigned, std::uintptr_t, std::uint32_t);

    void RunPendingCommands();
    // The reply line; nullopt when the command has replied already.
    std::optional<std::string> Execute(const std::string& line);
    void ReplaceMenuBar(int items);

    GlobalVariables globals_;
    platform::Hwnd mainWindow_ = 0;
    platform::Hwnd controlWindow_ = 0;
    std::unique_ptr<ModuleHost> module_;
    std::unique_ptr<ControlChannel> control_;
    std::vector<std::string> boxes_;
    std::vector<unsigned> commands_;
    std::uintptr_t motionTimer_ = 0;
};

}  // namespace fsim
