// trevalo_demodata: writes the planner's demo base directory from real public data.
//   trevalo_demodata <base folder> <airports.sqlite> <land TopoJSON>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "demo_world.h"
#include "fsinstall/airport_database.h"
#include "land_outlines.h"
#include "magnetic_variation.h"
#include "topology.h"

namespace {

constexpr char kLandObject[] = "land";

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return static_cast<bool>(in);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: trevalo_demodata <base folder> <airports.sqlite> <land TopoJSON>\n");
        return 2;
    }
    auto airports = fsinstall::ReadAirportDatabase(argv[2]);
    const auto designations = demodata::ReadRunwayDesignations(argv[2]);
    if (!airports || !designations) {
        std::fprintf(stderr, "trevalo_demodata: cannot read %s\n", argv[2]);
        return 1;
    }
    demodata::SetMagneticVariations(*airports, *designations);
    std::string json;
    const auto land = ReadText(argv[3], json) ? demodata::TopologyPolygons(json, kLandObject) : std::nullopt;
    if (!land) {
        std::fprintf(stderr, "trevalo_demodata: no land topology in %s\n", argv[3]);
        return 1;
    }
    demodata::DemoCounts counts;
    if (!demodata::WriteDemoWorld(argv[1], *airports, demodata::TileRings(*land), counts)) {
        std::fprintf(stderr, "trevalo_demodata: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("trevalo_demodata: %zu airports (%zu runway lines) in %zu countries, %zu map tiles in %s\n",
                counts.airports, counts.runwayLines, counts.countries, counts.tiles, argv[1]);
    return 0;
}
