// Feeds arbitrary text to the route file reader over a small database.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "map/route_file_reader.h"

namespace {

const trevalo::NavDatabase& Database() {
    static trevalo::NavDatabase* database = [] {
        auto* db = new trevalo::NavDatabase("C:\\Quillet\\");
        trevalo::AirportRecord airport;
        airport.heading = 270.0;
        airport.runway = 'L';
        airport.number = 1;
        std::snprintf(airport.id, sizeof airport.id, "KSPF");
        db->airportGrid[static_cast<size_t>(trevalo::GridCell(0, 0))].push_back(airport);
        trevalo::NavaidRecord navaid;
        navaid.x = -440400;
        navaid.y = 171000;
        navaid.type = 1.0;
        navaid.number = 1;
        std::snprintf(navaid.id, sizeof navaid.id, "SPF");
        std::snprintf(navaid.name, sizeof navaid.name, "SPRINGFIELD");
        db->navaidGrid[static_cast<size_t>(trevalo::GridCell(navaid.x, navaid.y))].push_back(navaid);
        return db;
    }();
    return *database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\0') {
            line += c;
        }
    }
    lines.push_back(line);
    const trevalo::RouteFileContents contents = trevalo::ParseRouteFile(lines, Database());
    if (contents.points.size() > static_cast<size_t>(trevalo::kMaxRoutePoints)) {
        __builtin_trap();
    }
    return 0;
}
