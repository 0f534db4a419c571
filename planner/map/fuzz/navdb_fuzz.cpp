// Feeds arbitrary bytes to the database readers, the land-file reader and the tile
// decoder; the first byte picks the reader.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "navdb/grid_bucket.h"
#include "navdb/land_areas.h"
#include "navdb/map_tile.h"
#include "navdb/record_readers.h"

namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= bytes.size()) {
        const size_t end = bytes.find('\n', start);
        lines.emplace_back(bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 5) {
        case 0: {
            CAirportArray lines;
            std::atomic<int> progress{0};
            static trevalo::Grid<trevalo::AirportRecord> grid;
            // Small shares, so that records meet share boundaries.
            trevalo::ReadAirportRecords(
                trevalo::DatabaseRecords(bytes, trevalo::kAirportDatabase),
                [](const std::string& c) { return c.size() % 2 == 0; }, grid, lines, progress, 3);
            break;
        }
        case 1: {
            std::vector<trevalo::NavaidRecord> records;
            CNavaidArray lines;
            trevalo::ReadNavaidRecords(trevalo::DatabaseRecords(bytes, trevalo::kNavaidDatabase), records, lines);
            static trevalo::Grid<trevalo::NavaidRecord> grid;
            trevalo::BucketRecords(records, 1, grid);
            break;
        }
        case 2: {
            std::vector<trevalo::IlsRecord> records;
            std::vector<std::string> lines;
            trevalo::ReadIlsRecords(trevalo::DatabaseRecords(bytes, trevalo::kIlsDatabase), records, lines);
            break;
        }
        case 3: {
            std::vector<trevalo::LandArea> areas;
            trevalo::ReadLandAreas(Lines(bytes), areas);
            break;
        }
        default:
            trevalo::DecodeMapTile(bytes);
            break;
    }
    return 0;
}
