// Any bytes as a scenery file, read through LoadDLLBGL.
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/message_box.h"
#include "scenrix/scenery_reader.h"

namespace {

// Drive C (the logs) and the input file in a private folder.
const std::string& FuzzFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/bgl_fuzz.XXXXXX";
        const std::string made = ::mkdtemp(pattern);
        ::setenv("QUILLET_DRIVE_C", made.c_str(), 1);
        platform::SetMessageBoxHandler([](const platform::MessageBoxRequest&) { return platform::MbResult::Ok; });
        return made;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFolder() + "/input.bgl";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::vector<std::string> ils, navaids, airports, knownNavaids, knownAirports;
    LoadDLLBGL(path.c_str(), ils, navaids, airports, knownNavaids, knownAirports);
    for (const std::string& line : navaids) {
        if (line.size() != 171) std::abort();
    }
    for (const std::string& line : airports) {
        if (line.size() != 336) std::abort();
    }
    for (const std::string& line : ils) {
        if (line.size() != 92) std::abort();
    }
    return 0;
}
