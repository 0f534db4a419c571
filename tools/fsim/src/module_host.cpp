#include "module_host.h"

#include <dlfcn.h>

#include "cabinhook/module_interface.h"

namespace fsim {
namespace {

constexpr const char* kModuleFile = "libCabinhook.so";

template <class Pointer>
Pointer Lookup(void* handle, const char* name) {
    return reinterpret_cast<Pointer>(::dlsym(handle, name));
}

}  // namespace

std::string ModuleHost::Load() {
    if (loaded()) return "loaded";
    handle_ = ::dlopen((folder_ / kModuleFile).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) return "missing";
    // A module the simulator takes carries its linkage table and its import table.
    const auto* linkage = Lookup<const ModuleLinkage*>(handle_, cabinhook::kLinkageSymbol);
    auto* imports = Lookup<ModuleImport*>(handle_, cabinhook::kImportTableSymbol);
    auto attach = Lookup<ModuleAttachEntry>(handle_, cabinhook::kAttachSymbol);
    if (linkage == nullptr || imports == nullptr || attach == nullptr) {
        Unload();
        return "refused";
    }
    imports[cabinhook::kGlobalBlockImport].pointer = globalBlock_;
    if (attach() == 0) {
        ::dlclose(handle_);
        handle_ = nullptr;
        return "refused";
    }
    return "loaded";
}

void ModuleHost::Unload() {
    if (handle_ == nullptr) return;
    if (auto detach = Lookup<ModuleDetachEntry>(handle_, cabinhook::kDetachSymbol)) detach();
    ::dlclose(handle_);
    handle_ = nullptr;
}

}  // namespace fsim
