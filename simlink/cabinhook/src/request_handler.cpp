#include "request_handler.h"

#include <cstring>

#include "hook_state.h"
#include "platform/windows.h"
#include "simlinker/link_protocol.h"
#include "transfer_block.h"

namespace cabinhook {

platform::LResult HandleLinkRequest(const platform::CopyDataStruct* copy) {
    if (copy == nullptr || copy->cbData != sizeof(simlink::SimLinkRequest) || copy->lpData == nullptr) return 0;
    simlink::SimLinkRequest request;
    std::memcpy(&request, copy->lpData, sizeof request);
    if (!simlink::IsAcceptableRequest(request.length, request.offset)) return 0;
    std::uint8_t* base = GlobalBlock();
    if (base == nullptr || !EnsureTransferBlock()) return 0;
    auto* block = static_cast<std::uint8_t*>(State().block.data());
    std::uint8_t* field = base + request.offset;
    if (request.direction == simlink::kWrite) std::memmove(field, block, request.length);
    std::memmove(block, field, request.length);
    return 1;
}

platform::LResult HookWindowProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                 platform::LParam lParam) {
    switch (message) {
        case platform::WM_COPYDATA:
            return HandleLinkRequest(reinterpret_cast<const platform::CopyDataStruct*>(lParam));
        case platform::WM_COMMAND:
            platform::SendMessage(State().mainWindow, message, wParam, lParam);
            return 0;
        default:
            return platform::DefWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace cabinhook
