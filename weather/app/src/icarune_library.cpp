#include "wxapp/icarune_library.h"

#include "platform/message_box.h"

namespace wxapp {
namespace {

constexpr int kFs2000 = 7;

void ShowMissing() {
    platform::MessageBox(
        "A function in Icarune.dll, is missing \nMake sure you ahve the lattest files available\nThe system cannot "
        "continue without it",
        "Missing DLL", platform::MbIcon::Information);
}

}  // namespace

void* IcaruneLibrary::RequireSymbol(const char* name) {
    if (!library_.IsLoaded()) library_.Load("Icarune.dll");
    void* symbol = library_.Symbol(name);
    if (symbol == nullptr) ShowMissing();
    return symbol;
}

bool LoadSimulatorFolder(std::string& folder) {
    IcaruneLibrary icarune;
    auto* loadReg = icarune.Require<IcaruneLibrary::LoadRegFunction>("LoadReg");
    if (loadReg == nullptr) return false;
    char buffer[kIcaruneFolderSize] = {};
    loadReg(buffer, kFs2000);
    folder = buffer;
    return true;
}

}  // namespace wxapp
