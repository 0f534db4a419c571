#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>

#include "ascii_case.h"
#include "platform/paths.h"
#include "program_location.h"

extern char** environ;

namespace platform {
namespace {

constexpr std::string_view kWindowsSuffix = ".exe";
constexpr int kSignalExitBase = 128;

bool IsExecutableFile(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return kSignalExitBase + WTERMSIG(status);
    return -1;
}

class SpawnSettings {
public:
    SpawnSettings(const std::filesystem::path& workingFolder, ShowMode show) {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawnattr_init(&attributes_);
        if (!workingFolder.empty()) ::posix_spawn_file_actions_addchdir_np(&actions_, workingFolder.c_str());
        if (show == ShowMode::Hidden) {
            ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
            ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
            ::posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
            ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID);
        }
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

SeamSlot<ProgramStartHandler>& StartSlot() {
    static SeamSlot<ProgramStartHandler> slot;
    return slot;
}

// A desktop program named alone ("xdg-email"), on the host's PATH.
std::optional<std::filesystem::path> FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos || path == nullptr) return std::nullopt;
    for (std::string_view rest = path; !rest.empty();) {
        const std::size_t cut = rest.find(':');
        const std::string_view folder = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        if (folder.empty()) continue;
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (IsExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

ProgramStartHandler SetProgramStartHandler(ProgramStartHandler handler) { return StartSlot().Swap(std::move(handler)); }

std::optional<std::filesystem::path> ResolveProgram(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    if (IsExecutableFile(host)) return host;
    const std::string name = WindowsNamePart(windowsPath);
    if (!EndsWithIgnoreCase(name, kWindowsSuffix)) return FindOnPath(windowsPath);
    const std::string stem = name.substr(0, name.size() - kWindowsSuffix.size());
    for (const std::filesystem::path& folder : {host.parent_path(), ExecutableFolder()}) {
        auto found = FindInFolders({folder}, stem);
        if (found && IsExecutableFile(*found)) return found;
    }
    return std::nullopt;
}

struct Process::Watch {
    std::mutex mutex;
    std::condition_variable ended;
    bool running = true;
    std::optional<int> exitCode;
};

namespace {

// Runs on a thread of its own for each process started. It waits for the end without
// reaping, then reaps under the watch's lock: while the watch says running, the id still
// names this process (alive or not yet reaped), so it can be signalled safely.
void ReapWhenEnded(pid_t pid, const std::shared_ptr<Process::Watch>& watch) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    const std::lock_guard lock(watch->mutex);
    int status = 0;
    pid_t reaped = -1;
    while ((reaped = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    watch->exitCode = reaped == pid ? ExitCodeOf(status) : -1;
    watch->running = false;
    watch->ended.notify_all();
}

}  // namespace

Process::~Process() { Release(); }

Process::Process(Process&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)),
      leadsGroup_(std::exchange(other.leadsGroup_, false)),
      watch_(std::move(other.watch_)),
      recordedExit_(std::exchange(other.recordedExit_, std::nullopt)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Release();
        pid_ = std::exchange(other.pid_, -1);
        leadsGroup_ = std::exchange(other.leadsGroup_, false);
        watch_ = std::move(other.watch_);
        recordedExit_ = std::exchange(other.recordedExit_, std::nullopt);
    }
    return *this;
}

bool Process::Start(const std::string& programPath, const std::string& arguments, const std::string& workingFolder,
                    ShowMode show) {
    Release();
    if (const ProgramStartHandler handler = StartSlot().Current()) {
        const ProgramStartAnswer answer = handler({programPath, arguments, workingFolder, show});
        if (!answer.started) return false;
        recordedExit_ = answer.exitCode;
        return true;
    }
    const auto program = ResolveProgram(programPath);
    if (!program) return false;

    std::vector<std::string> argv = SplitCommandLine(arguments);
    argv.insert(argv.begin(), program->string());
    std::vector<char*> argvPointers;
    for (std::string& argument : argv) argvPointers.push_back(argument.data());
    argvPointers.push_back(nullptr);

    const SpawnSettings settings(workingFolder.empty() ? std::filesystem::path() : HostPath(workingFolder), show);
    pid_t pid = -1;
    if (::posix_spawn(&pid, program->c_str(), settings.actions(), settings.attributes(), argvPointers.data(),
                      environ) != 0)
        return false;
    pid_ = pid;
    leadsGroup_ = show == ShowMode::Hidden;
    watch_ = std::make_shared<Watch>();
    std::thread(ReapWhenEnded, pid, watch_).detach();
    return true;
}

bool Process::Wait() {
    if (!watch_) return recordedExit_.has_value();
    std::unique_lock lock(watch_->mutex);
    watch_->ended.wait(lock, [this] { return !watch_->running; });
    return true;
}

bool Process::Wait(int timeoutMs) {
    if (!watch_) return recordedExit_.has_value();
    std::unique_lock lock(watch_->mutex);
    return watch_->ended.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)),
                                  [this] { return !watch_->running; });
}

bool Process::IsRunning() {
    if (!watch_) return false;
    const std::lock_guard lock(watch_->mutex);
    return watch_->running;
}

bool Process::Terminate() {
    if (!watch_) return false;
    {
        const std::lock_guard lock(watch_->mutex);
        if (!watch_->running) return false;
        ::kill(leadsGroup_ ? -pid_ : pid_, SIGKILL);
    }
    return Wait();
}

std::optional<int> Process::ExitCode() const {
    if (!watch_) return recordedExit_;
    const std::lock_guard lock(watch_->mutex);
    return watch_->exitCode;
}

void Process::Release() {
    pid_ = -1;
    leadsGroup_ = false;
    watch_.reset();
    recordedExit_.reset();
}

}  // namespace platform
