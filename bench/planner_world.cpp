#include "planner_world.h"

#include <cstdio>
#include <cstdlib>

#include "navdata/angle_text.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/file_search.h"
#include "platform/paths.h"
#include "world_files.h"

namespace bench {
namespace {

constexpr int kGeneratedAirports = 43000;
constexpr int kGeneratedNavaids = 5000;
constexpr int kGeneratedIls = 1000;
constexpr int kGeneratedTiles = 1400;
constexpr int kPointsPerTile = 200;

// A world spread over every cell, written below folder as drive C.
void GenerateWorld(const std::filesystem::path& folder) {
    const std::filesystem::path base = folder / "Quillet";
    std::vector<std::string> airports;
    for (int i = 0; i < kGeneratedAirports; ++i) {
        navdata::testing::AirportFields a;
        char ident[16];
        std::snprintf(ident, sizeof ident, "A%d", i);
        a.ident = ident;
        a.latitude = navdata::AngleTextOfFields(i % 2 ? 'N' : 'S', {i % 89, i % 60, 0, 0});
        a.longitude = navdata::AngleTextOfFields(i % 3 ? 'E' : 'W', {i % 179, i % 60, 0, 0});
        a.runwayStartLatitude = a.runwayEndLatitude = a.latitude;
        a.runwayStartLongitude = a.runwayEndLongitude = a.longitude;
        airports.push_back(navdata::testing::SceneryAirportLine(a));
    }
    WriteWorldFile(base / "Airport.nav", navdata::DatabaseBytes(airports, navdata::kAirportLineWidth));
    std::vector<std::string> navaids;
    for (int i = 0; i < kGeneratedNavaids; ++i) {
        navdata::testing::NavaidFields n;
        n.latitude = navdata::AngleTextOfFields('N', {i % 89, 0, 0, 0});
        n.longitude = navdata::AngleTextOfFields('W', {i % 179, 0, 0, 0});
        navaids.push_back(navdata::testing::SceneryNavaidLine(n));
    }
    WriteWorldFile(base / "Navaids.nav", navdata::DatabaseBytes(navaids, navdata::kNavaidLineWidth));
    WriteWorldFile(base / "Ils.nav",
                   navdata::DatabaseBytes(std::vector<std::string>(kGeneratedIls, navdata::testing::SceneryIlsLine({})),
                                          navdata::kIlsLineWidth));
    WriteWorldFile(base / "Country.nav", "1\r\nFreedonia\t1\r\n");
    const std::string tile(static_cast<size_t>(kPointsPerTile) * 8, '\x11');
    for (int i = 1; i <= kGeneratedTiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Map%05d.tmp", i);
        WriteWorldFile(base / "Map" / name, tile);
    }
}

}  // namespace

PlannerWorld::PlannerWorld() {
    const std::filesystem::path demo = QUILLET_DEMO_DRIVE_C;
    if (std::filesystem::exists(demo / "Quillet" / "Airport.nav")) {
        source = "demo";
        setenv("QUILLET_DRIVE_C", demo.c_str(), 1);
        return;
    }
    source = "generated";
    generated = std::filesystem::temp_directory_path() / "world_load_bench";
    std::filesystem::remove_all(generated);
    GenerateWorld(generated);
    setenv("QUILLET_DRIVE_C", generated.c_str(), 1);
}

PlannerWorld::~PlannerWorld() {
    if (!generated.empty()) std::filesystem::remove_all(generated);
}

const PlannerWorld& ThePlannerWorld() {
    static const PlannerWorld world;
    return world;
}

std::vector<std::filesystem::path> PlannerWorldPaths() {
    ThePlannerWorld();
    std::vector<std::filesystem::path> paths;
    for (const char* name : {"Airport.nav", "Navaids.nav", "Ils.nav", "Country.nav"}) {
        paths.push_back(platform::HostPath(platform::JoinWindowsPath(kPlannerBaseDirectory, name)));
    }
    const std::string map = platform::JoinWindowsPath(kPlannerBaseDirectory, "Map");
    for (const platform::FoundFile& tile : platform::FindFiles(platform::JoinWindowsPath(map, "*.tmp"))) {
        paths.push_back(platform::HostPath(platform::JoinWindowsPath(map, tile.name)));
    }
    return paths;
}

}  // namespace bench
