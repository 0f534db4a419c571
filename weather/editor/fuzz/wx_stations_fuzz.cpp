// Reads arbitrary bytes as the station files: as lines of ICAO Name.CFG and as the
// records of ICAO POS.BIN, searched for every ident the lines name. Nothing may be read
// past the end, and a station found is one of the whole records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "wx/icao_stations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> positions(reinterpret_cast<const std::byte*>(data), size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (const auto station = wx::ParseStationNameLine(text.substr(start, end - start))) {
            const int32_t index = wx::FindIcaoIndexIn(positions, station->ident);
            if (index >= 0 && (static_cast<size_t>(index) + 1) * 16 > size) std::abort();
        }
        start = end + 1;
    }
    return 0;
}
