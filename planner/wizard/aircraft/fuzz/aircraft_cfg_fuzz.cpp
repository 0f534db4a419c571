// Reads arbitrary bytes as an aircraft folder's Aircraft.cfg, as the plane list reads
// it from the simulator folder. A title is never empty and never ends in a blank.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "aircraft/aircraft_list.h"
#include "fuzz_drive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteDriveFile("Sim\\Aircraft\\Plane\\Aircraft.cfg",
                         std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& title : trevalo::InstalledPlanes("C:\\Sim\\")) {
        if (title.empty() || title.back() == ' ' || title.back() == '\t') std::abort();
    }
    return 0;
}
