// Any bytes as a window record in the windows folder, beside the record of a real window:
// listing windows takes whatever the record holds, and the real window is still listed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_drive.h"
#include "platform/windows.h"

namespace {

constexpr const char* kClass = "FUZZ_WINDOW";
constexpr const char* kTitle = "real window";
// The folder and name the platform gives window records (windows.h).
constexpr const char* kRecordFile = "settings/windows/00000000ffffffff.window";

platform::LResult Ignore(platform::Hwnd, unsigned, platform::WParam, platform::LParam) { return 0; }

struct RealWindow {
    RealWindow() {
        fuzz::PrivateDrive();
        platform::RegisterWindowClass({kClass, Ignore});
        window = platform::CreateWindow(kClass, kTitle);
        if (window == 0) std::abort();
    }
    platform::Hwnd window = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RealWindow real;
    fuzz::WriteDriveFile(kRecordFile, std::string_view(reinterpret_cast<const char*>(data), size));
    bool listed = false;
    for (const platform::WindowInfo& info : platform::EnumerateWindows())
        listed = listed || (info.window == real.window && info.className == kClass && info.title == kTitle);
    if (!listed) std::abort();
    (void)platform::FindWindow(std::nullopt, std::string(kTitle));
    return 0;
}
