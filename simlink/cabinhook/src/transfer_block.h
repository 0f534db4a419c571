// The shared transfer block, created on attach and again on demand.
#pragma once

namespace cabinhook {

// True when the block is mapped; shows "Test1" or "Test3" when it cannot be made.
bool EnsureTransferBlock();
// Unmaps the block and removes its name.
void ReleaseTransferBlock();

}  // namespace cabinhook
