// Icarune ("Icarune.dll") loaded for one use and freed when it goes; a missing library or
// function is reported with the "Missing DLL" message.
#pragma once

#include <string>

#include "icarune/icarune.h"
#include "platform/dynamic_library.h"

namespace wxapp {

class IcaruneLibrary {
public:
    using LoadRegFunction = int(char*, int);
    using LoadIcaoFunction = IcaoStationRecord(int, std::string);
    using LoadIcaosFunction = IcaoStationRecord(std::string, std::string);

    // The function; nullptr, after the message, when the library or the function is missing.
    template <class Signature>
    Signature* Require(const char* name) {
        return reinterpret_cast<Signature*>(RequireSymbol(name));
    }

private:
    void* RequireSymbol(const char* name);

    platform::DynamicLibrary library_;
};

// The FS2000 folder from Icarune's LoadReg (empty when the simulator is not installed);
// false, after the message, when Icarune or LoadReg is missing.
bool LoadSimulatorFolder(std::string& folder);

}  // namespace wxapp
