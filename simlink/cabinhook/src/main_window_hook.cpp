#include "main_window_hook.h"

#include <unistd.h>

#include "hook_state.h"
#include "menu_installer.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "simlinker/link_protocol.h"

namespace cabinhook {
namespace {

constexpr const char* kAboutText = "http://www.quillet-applications.example/\n\n\tv1.1.0";
constexpr unsigned kMenuClosedHighWord = 0xFFFF;

platform::LResult PassOn(platform::Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
    return platform::CallWindowProc(State().originalMainProc, window, message, wParam, lParam);
}

}  // namespace

platform::Hwnd FindSimulatorWindow() {
    platform::Hwnd any = 0;
    for (const platform::WindowInfo& info : platform::EnumerateWindows()) {
        if (info.className != simlink::kSimulatorWindowClass) continue;
        if (info.processId == ::getpid()) return info.window;
        if (any == 0) any = info.window;
    }
    return any;
}

platform::LResult MainWindowHook(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                 platform::LParam lParam) {
    HookState& state = State();
    if (message == state.gaugeMessage) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case platform::WM_NCPAINT: {
            PassOn(window, message, wParam, lParam);
            // The simulator may have rebuilt its bar: put the menu back when it went missing.
            const platform::Hmenu bar = platform::GetMenu(window);
            if (platform::GetMenuState(bar, kModulesMenuId, platform::MenuLookup::ByCommand) !=
                platform::GetMenuState(bar, 0, platform::MenuLookup::ByPosition))
                InstallMenu(window, platform::MF_ENABLED);
            return 1;
        }
        case platform::WM_COMMAND:
            if (platform::LoWord(wParam) == kOwnCommandId)
                platform::MessageBox(kAboutText, "About", platform::MbIcon::None, platform::MbButtons::Ok);
            break;
        case platform::WM_MENUSELECT:
            if (platform::HiWord(wParam) == kMenuClosedHighWord && lParam == 0) StopMenuTimer();
            break;
        default:
            break;
    }
    return PassOn(window, message, wParam, lParam);
}

}  // namespace cabinhook
