// Random requests to Cabinhook's link handler: whatever arrives, it stays inside the
// simulator's global block and the transfer block.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "cabinhook/module_interface.h"
#include "platform/shared_memory.h"
#include "platform/window_types.h"
#include "request_handler.h"
#include "simlinker/link_protocol.h"

extern "C" ModuleImport ImportTable[cabinhook::kImportCount];

namespace {

struct FuzzHost {
    FuzzHost() {
        char folder[] = "/tmp/cabinhook-fuzz-XXXXXX";
        if (::mkdtemp(folder) != nullptr) {
            root = folder;
            ::setenv("QUILLET_WINDOWS_DIR", folder, 1);
        }
        ImportTable[cabinhook::kGlobalBlockImport].pointer = globals.data();
    }
    ~FuzzHost() {
        platform::SharedMemory::Remove(simlink::kTransferBlockName);
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::filesystem::path root;
    // Exactly the block's size, so the sanitizer sees any step past it.
    std::vector<std::uint8_t> globals = std::vector<std::uint8_t>(simlink::kOffsetLimit);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHost host;
    // The first byte picks the data word; the rest is the request record, of any length.
    if (size == 0) return 0;
    const std::vector<std::uint8_t> record(data + 1, data + size);
    platform::CopyDataStruct copy{data[0], static_cast<std::uint32_t>(record.size()), record.data()};
    cabinhook::HookWindowProc(0, platform::WM_COPYDATA, 0, reinterpret_cast<platform::LParam>(&copy));
    return 0;
}
