// What a simulator host finds in a module it loads: the exported tables `Linkage` and
// `ImportTable`, and the attach and detach entries that the host calls itself (this
// platform has no load-time entry point that could refuse the load).
#pragma once

#include <cstdint>

extern "C" {

struct ModuleLinkage {
    std::uint32_t moduleId;
    void (*initHook)();
    void (*deinitHook)();
    std::uint32_t reserved[5];
};

struct ModuleImport {
    std::uint32_t id;
    void* pointer;  // filled by the host
};

// 1 when the module attached; 0 makes the host unload it.
using ModuleAttachEntry = int (*)();
using ModuleDetachEntry = void (*)();

}  // extern "C"

namespace cabinhook {

constexpr const char* kLinkageSymbol = "Linkage";
constexpr const char* kImportTableSymbol = "ImportTable";
constexpr const char* kAttachSymbol = "CabinhookAttach";
constexpr const char* kDetachSymbol = "CabinhookDetach";

constexpr std::uint32_t kModuleId = 0x520F;
constexpr int kImportCount = 2;
// Entry 2 of ImportTable (index 1) receives the base of the simulator's global block.
constexpr int kGlobalBlockImport = 1;

}  // namespace cabinhook
