// A program for the window tests: one window of the class given as its first argument
// (title "child"), served until it is closed.
//   WM_COPYDATA      answers the sum of the bytes plus the data word
//   kAddMessage      answers wParam + lParam
//   kHangMessage     sleeps lParam milliseconds, answers 1
//   kHangCountMessage answers how many kHangMessage it has handled
//   WM_CLOSE         default handling (the window goes), then the program ends
#include <chrono>
#include <thread>

#include "platform/message_loop.h"
#include "platform/windows.h"
#include "window_child_messages.h"

namespace {

int hangs = 0;

platform::LResult ChildProc(platform::Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
    using namespace platform;
    switch (message) {
        case WM_COPYDATA: {
            const auto* copy = reinterpret_cast<const CopyDataStruct*>(lParam);
            LResult sum = static_cast<LResult>(copy->dwData);
            const auto* bytes = static_cast<const unsigned char*>(copy->lpData);
            for (std::uint32_t index = 0; index < copy->cbData; ++index) sum += bytes[index];
            return sum;
        }
        case window_child::kAddMessage:
            return static_cast<LResult>(wParam) + lParam;
        case window_child::kHangMessage:
            ++hangs;
            std::this_thread::sleep_for(std::chrono::milliseconds(lParam));
            return 1;
        case window_child::kHangCountMessage:
            return hangs;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    platform::RegisterWindowClass({argv[1], ChildProc});
    if (platform::CreateWindow(argv[1], "child") == 0) return 3;
    return platform::RunMessageLoop();
}
