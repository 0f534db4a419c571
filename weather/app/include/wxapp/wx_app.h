// Wx's start-up: the rules file in the suite's base directory, the weather file named
// on the command line, and the main dialog run until it closes.
#pragma once

#include <span>
#include <string>

namespace wxapp {

// The class other programs of the suite find Wx's main window by.
inline constexpr const char* kMainWindowClass = "WxMainDialog";

class CWxApp {
public:
    // Runs the editor with the arguments after the program's name; returns when its main
    // dialog has closed.
    int Run(std::span<const std::string> arguments);

    const std::string& RulesPath() const { return rulesPath_; }

private:
    std::string rulesPath_;
};

}  // namespace wxapp
