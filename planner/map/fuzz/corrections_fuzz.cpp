// Any bytes as QuilletCorrect.nav: looked up for the ident and runway of its first
// record and for ones it does not hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_drive.h"
#include "map/corrected_airport.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kBaseDirectory = "C:\\Quillet\\";
constexpr std::size_t kPrefixLength = 3;  // "id=" and "rn="

std::string ValueOf(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() && lines[index].size() > kPrefixLength ? lines[index].substr(kPrefixLength) : "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteDriveFile(std::string("Quillet/") + trevalo::kCorrectionsFileName,
                                                  std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    if (!platform::ReadLines(path, lines)) std::abort();
    double latitude = 0, longitude = 0;
    (void)trevalo::LookupCorrectedAirport(ValueOf(lines, 0), ValueOf(lines, 1), kBaseDirectory, latitude, longitude);
    (void)trevalo::LookupCorrectedAirport(ValueOf(lines, 0), "", kBaseDirectory, latitude, longitude);
    (void)trevalo::LookupCorrectedAirport("", "", kBaseDirectory, latitude, longitude);
    return 0;
}
