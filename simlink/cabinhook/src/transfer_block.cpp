#include "transfer_block.h"

#include <cstring>

#include "hook_state.h"
#include "platform/message_box.h"
#include "simlinker/link_protocol.h"

namespace cabinhook {

bool EnsureTransferBlock() {
    HookState& state = State();
    if (state.block.IsOpen()) return true;
    using Status = platform::SharedMemory::CreateStatus;
    const Status status = state.block.Create(simlink::kTransferBlockName, simlink::kTransferBlockSize);
    if (status != Status::Created) {
        platform::MessageBox(status == Status::NameFailed ? "Test1" : "Test3", "Test", platform::MbIcon::None,
                             platform::MbButtons::Ok);
        return false;
    }
    std::memset(state.block.data(), 0, simlink::kTransferBlockSize);
    return true;
}

void ReleaseTransferBlock() {
    HookState& state = State();
    if (!state.block.IsOpen()) return;
    state.block.Close();
    platform::SharedMemory::Remove(simlink::kTransferBlockName);
}

}  // namespace cabinhook
