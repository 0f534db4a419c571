// Window handles, message parameters and the message numbers the suite's programs
// exchange. A window handle names its owning process, so a message can be sent to a
// window of another process.
#pragma once

#include <sys/types.h>
#include <cstdint>

namespace platform {

// 0 is no window. The owning process id sits in the upper 32 bits.
using Hwnd = std::uint64_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

using WindowProc = LResult (*)(Hwnd window, unsigned message, WParam wParam, LParam lParam);

inline pid_t WindowProcessId(Hwnd window) { return static_cast<pid_t>(window >> 32); }

constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_COPYDATA = 0x004A;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_MENUSELECT = 0x011F;
constexpr unsigned WM_APP = 0x8000;

// WM_ACTIVATE's wParam when a window is asked to come to the front.
constexpr WParam WA_ACTIVE = 1;

// The lParam of a received WM_COPYDATA points at this; the bytes live until the window
// procedure returns.
struct CopyDataStruct {
    std::uintptr_t dwData = 0;
    std::uint32_t cbData = 0;
    const void* lpData = nullptr;
};

inline unsigned LoWord(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFF); }
inline unsigned HiWord(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFF); }

}  // namespace platform
