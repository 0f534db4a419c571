// Any bytes as the flight plan <title>.pln, read as AddGpsToFlt reads it and made into
// the GPS section: the section keeps its shape whatever the plan holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_drive.h"
#include "gps_section.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        fuzz::WriteDriveFile("Adventure/Plan.pln", std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> plan;
    if (!platform::ReadLines(path, plan)) std::abort();
    const std::vector<std::string> section = flitmark::GpsSectionLines("Plan.flt", plan);
    constexpr std::size_t kSectionLines = 8;
    if (section.size() != kSectionLines || section[1] != "[GPS_Engine]") std::abort();
    return 0;
}
