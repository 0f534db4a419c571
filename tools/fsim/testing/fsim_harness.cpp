#include "fsim_harness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/shared_memory.h"
#include "simlinker/link_protocol.h"

namespace fsim::testing {
namespace {

using Clock = std::chrono::steady_clock;
// Generous: only how long to wait for something that will happen on a loaded machine.
constexpr auto kPatience = std::chrono::seconds(20);
constexpr auto kQuitPatienceMs = 5000;
constexpr auto kRetryPause = std::chrono::milliseconds(5);
constexpr const char* kNoReply = "<no reply>";

std::atomic<int> g_serial{0};

std::string QuoteArgument(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

FsimProcess::FsimProcess(const platform::testing::TempEnvironment& env, FsimSetup setup) {
    const std::string tag = std::to_string(g_serial++);
    const std::filesystem::path folder = env.root() / ("fsim" + tag);
    const std::filesystem::path modules = folder / "Modules";
    std::filesystem::create_directories(modules);
    if (setup.withCabinhook) {
        const std::filesystem::path module =
            std::filesystem::read_symlink("/proc/self/exe").parent_path() / "libCabinhook.so";
        std::filesystem::create_symlink(module, modules / "libCabinhook.so");
    }
    commandPath_ = (folder / "commands").string();
    replyPath_ = (folder / "replies").string();
    ::mkfifo(commandPath_.c_str(), 0600);
    ::mkfifo(replyPath_.c_str(), 0600);
    const std::string arguments = "-modules " + QuoteArgument(modules.string()) + " -menu " +
                                  std::to_string(setup.menuItems) + " -commands " + QuoteArgument(commandPath_) +
                                  " -replies " + QuoteArgument(replyPath_);
    if (process_.Start("fsim.exe", arguments)) OpenChannel();
}

FsimProcess::~FsimProcess() {
    Close();  // fsim reads the end of its script and quits, detaching Cabinhook
    if (process_.IsRunning() && !process_.Wait(kQuitPatienceMs)) Kill();
    process_.Wait();
    platform::SharedMemory::Remove(simlink::kTransferBlockName);
}

bool FsimProcess::OpenChannel() {
    const auto deadline = Clock::now() + kPatience;
    // Opening the write end fails until fsim has opened the read end.
    while ((commands_ = ::open(commandPath_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        if (errno != ENXIO || Clock::now() > deadline || !process_.IsRunning()) return false;
        std::this_thread::sleep_for(kRetryPause);
    }
    ::fcntl(commands_, F_SETFL, 0);
    replies_ = ::open(replyPath_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return replies_ >= 0;
}

void FsimProcess::Close() {
    if (commands_ >= 0) ::close(commands_);
    if (replies_ >= 0) ::close(replies_);
    commands_ = replies_ = -1;
}

bool FsimProcess::Ready() { return commands_ >= 0 && Command("menu") != kNoReply; }

std::string FsimProcess::Command(const std::string& line) {
    if (commands_ < 0) return kNoReply;
    const std::string text = line + "\n";
    if (::write(commands_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return kNoReply;
    return NextLine();
}

std::string FsimProcess::NextLine() {
    const auto deadline = Clock::now() + kPatience;
    while (replies_ >= 0) {
        const size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string reply = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return reply;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd entry{replies_, POLLIN, 0};
        ::poll(&entry, 1, static_cast<int>(std::min<long long>(left, 50)));
        char chunk[4096];
        const ssize_t got = ::read(replies_, chunk, sizeof chunk);
        if (got > 0)
            pending_.append(chunk, static_cast<size_t>(got));
        else if (got == 0 || errno == EAGAIN)
            std::this_thread::sleep_for(kRetryPause);  // no writer yet
    }
    return kNoReply;
}

void FsimProcess::Kill() {
    if (process_.IsRunning()) ::kill(process_.Id(), SIGKILL);
    process_.Wait();
}

}  // namespace fsim::testing
