// Starting programs and waiting for them.
//
// A program is named by its Windows path. A path ending in ".exe" that does not exist as
// written stands for our program of that name without ".exe" (matched without regard to
// case), looked for in the same folder, then beside the running executable. A name alone,
// without folder, drive or ".exe", that is not in the current folder is a program of the
// desktop, looked for on the host's PATH ("xdg-email"). The argument
// text is split into arguments by the Windows rules (see SplitCommandLine); it holds the
// arguments only, the program itself is not repeated in it. A hidden program gets
// /dev/null as its standard input and output. Every process started is reaped in the
// background as soon as it ends, whether or not anyone waits for it, so none is left as
// a zombie (a companion program the user closes, one whose Process object went away).
#pragma once

#include <sys/types.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/export.h"
#include "platform/seam.h"

namespace platform {

// Splits a command line by the Windows rules: blanks and tabs separate arguments; a
// double quote starts or ends a quoted part, in which blanks are kept and "" is one
// literal quote; 2n backslashes before a quote give n backslashes, 2n+1 give n and a
// literal quote; other backslashes are kept.
PLATFORM_API std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The host program a Windows program path stands for; nullopt when there is none.
PLATFORM_API std::optional<std::filesystem::path> ResolveProgram(const std::string& windowsPath);

enum class ShowMode { Shown, Hidden };

// Starting a program is a seam: tests answer it with a ProgramStartRecorder.
struct ProgramStart {
    std::string program;
    std::string arguments;
    std::string workingFolder;
    ShowMode show = ShowMode::Shown;
};
// What a recorded start answers: whether the program started, and the exit code it ends
// with at once (it never runs).
struct ProgramStartAnswer {
    bool started = true;
    int exitCode = 0;
};
using ProgramStartHandler = std::function<ProgramStartAnswer(const ProgramStart&)>;

// Installs the handler that Process::Start asks instead of starting; returns the previous
// one. An empty handler starts programs again.
PLATFORM_API ProgramStartHandler SetProgramStartHandler(ProgramStartHandler handler);

// Records every start and answers it (by default: started, exit code 0).
class ProgramStartRecorder : public SeamRecorder<ProgramStart, ProgramStartAnswer> {
public:
    explicit ProgramStartRecorder(std::vector<ProgramStartAnswer> answers = {})
        : SeamRecorder(&SetProgramStartHandler, std::move(answers), ProgramStartAnswer{}) {}
};

class PLATFORM_API Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // An empty working folder keeps the current one. False when the program cannot be
    // found or started. Under a ProgramStartRecorder nothing starts: the recorder's answer
    // says whether it did, and a started program has ended at once with its exit code.
    bool Start(const std::string& programPath, const std::string& arguments, const std::string& workingFolder = {},
               ShowMode show = ShowMode::Shown);

    // Waits until the process ends; false when none was started.
    bool Wait();
    // Waits at most timeoutMs milliseconds; true when the process has ended.
    bool Wait(int timeoutMs);
    bool IsRunning();
    // Ends the process at once, with the programs it started when it was hidden (a hidden
    // program leads its own process group), and reaps it; false when none was running.
    bool Terminate();

    pid_t Id() const { return pid_; }
    // The exit status once the process has ended; 128 + the signal number when a signal
    // ended it.
    std::optional<int> ExitCode() const;

    struct Watch;  // the reaper's view of one started process

private:
    void Release();

    pid_t pid_ = -1;
    bool leadsGroup_ = false;
    std::shared_ptr<Watch> watch_;     // none until a process was started
    std::optional<int> recordedExit_;  // answered by a ProgramStartRecorder, never started
};

}  // namespace platform
