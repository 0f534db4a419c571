// trevalo_demodata: writes the planner's demo base directory from real public data.
//   trevalo_demodata <base folder> <airports.sqlite> <land TopoJSON> [<nav.dat>]
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "demo_world.h"
#include "demodata/world_source.h"
#include "land_outlines.h"
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
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: trevalo_demodata <base folder> <airports.sqlite> <land TopoJSON> [<nav.dat>]\n");
        return 2;
    }
    demodata::DemoWorldSources sources;
    sources.airportDatabase = argv[2];
    if (argc == 5) sources.navaidFile = argv[4];
    std::string error;
    const auto world = demodata::ReadDemoWorld(sources, error);
    if (!world) {
        std::fprintf(stderr, "trevalo_demodata: %s\n", error.c_str());
        return 1;
    }
    std::string json;
    const auto land = ReadText(argv[3], json) ? demodata::TopologyPolygons(json, kLandObject) : std::nullopt;
    if (!land) {
        std::fprintf(stderr, "trevalo_demodata: no land topology in %s\n", argv[3]);
        return 1;
    }
    demodata::DemoCounts counts;
    if (!demodata::WriteDemoWorld(argv[1], world->content, demodata::TileRings(*land), counts)) {
        std::fprintf(stderr, "trevalo_demodata: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf(
        "trevalo_demodata: %zu airports (%zu runway lines) in %zu countries, %zu navaid lines, %zu ILS lines, "
        "%zu map tiles in %s\n",
        counts.airports, counts.runwayLines, counts.countries, counts.navaidLines, counts.ilsLines, counts.tiles,
        argv[1]);
    if (sources.navaidFile.empty()) {
        std::printf("trevalo_demodata: no navaid file given: the demo has no navaids and no ILS\n");
    } else {
        std::printf("trevalo_demodata: from the navaid file: %s\n", world->navaidSummary.c_str());
    }
    return 0;
}
