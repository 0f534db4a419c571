// Round trip of a 16-byte WM_COPYDATA request, as the simulator link sends it, to a
// window served by a child process, beside a write and a plain read(2) of the same 16
// bytes through a pipe in one process.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <thread>

#include "platform/message_loop.h"
#include "platform/windows.h"
#include "simlinker/link_protocol.h"

namespace {

constexpr const char* kEchoClass = "COPYDATA_BENCH";

platform::LResult EchoProc(platform::Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
    if (message == platform::WM_COPYDATA)
        return reinterpret_cast<const platform::CopyDataStruct*>(lParam)->cbData == sizeof(simlink::SimLinkRequest);
    return platform::DefWindowProc(window, message, wParam, lParam);
}

// A child process serving one window, for the benchmark's lifetime.
class EchoServer {
public:
    EchoServer() {
        char folder[] = "/tmp/simlink-bench-XXXXXX";
        if (::mkdtemp(folder) == nullptr) return;
        folder_ = folder;
        ::setenv("QUILLET_WINDOWS_DIR", folder, 1);
        child_ = ::fork();
        if (child_ == 0) {
            platform::RegisterWindowClass({kEchoClass, EchoProc});
            platform::CreateWindow(kEchoClass, "echo");
            platform::RunMessageLoop();
            std::_Exit(0);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while ((window_ = platform::FindWindow(std::string(kEchoClass))) == 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~EchoServer() {
        if (child_ > 0) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    platform::Hwnd window() const { return window_; }

private:
    std::filesystem::path folder_;
    pid_t child_ = -1;
    platform::Hwnd window_ = 0;
};

void BM_CopyDataRoundTrip(benchmark::State& state) {
    EchoServer server;
    if (server.window() == 0) {
        state.SkipWithError("the child's window did not appear");
        return;
    }
    const simlink::SimLinkRequest request{4, 1396, 0, simlink::kRead};
    for (auto _ : state) {
        auto answer = platform::SendCopyData(server.window(), 0, 0, std::as_bytes(std::span(&request, 1)),
                                             simlink::kRequestTimeoutMs);
        benchmark::DoNotOptimize(answer);
        if (answer != 1) {
            state.SkipWithError("no answer");
            break;
        }
    }
}
BENCHMARK(BM_CopyDataRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_PipeWriteAndRead(benchmark::State& state) {
    int ends[2];
    if (::pipe(ends) != 0) {
        state.SkipWithError("no pipe");
        return;
    }
    const simlink::SimLinkRequest request{4, 1396, 0, simlink::kRead};
    simlink::SimLinkRequest read{};
    for (auto _ : state) {
        if (::write(ends[1], &request, sizeof request) != sizeof request ||
            ::read(ends[0], &read, sizeof read) != sizeof read) {
            state.SkipWithError("pipe failed");
            break;
        }
        benchmark::DoNotOptimize(read);
    }
    ::close(ends[0]);
    ::close(ends[1]);
}
BENCHMARK(BM_PipeWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
