// Loading the planner's world database (the three database files, Country.nav and the
// map tiles) on the loader threads, beside a plain read of the same bytes. Uses the demo
// base directory when scripts/make-demo has written it, else a generated world of the
// same size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "navdata/angle_text.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "world_files.h"

namespace {

constexpr char kBaseDirectory[] = "C:\\Quillet\\";
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
    bench::WriteWorldFile(base / "Airport.nav", navdata::DatabaseBytes(airports, navdata::kAirportLineWidth));
    std::vector<std::string> navaids;
    for (int i = 0; i < kGeneratedNavaids; ++i) {
        navdata::testing::NavaidFields n;
        n.latitude = navdata::AngleTextOfFields('N', {i % 89, 0, 0, 0});
        n.longitude = navdata::AngleTextOfFields('W', {i % 179, 0, 0, 0});
        navaids.push_back(navdata::testing::SceneryNavaidLine(n));
    }
    bench::WriteWorldFile(base / "Navaids.nav", navdata::DatabaseBytes(navaids, navdata::kNavaidLineWidth));
    bench::WriteWorldFile(base / "Ils.nav", navdata::DatabaseBytes(std::vector<std::string>(kGeneratedIls,
                                                   navdata::testing::SceneryIlsLine({})),
                                                   navdata::kIlsLineWidth));
    bench::WriteWorldFile(base / "Country.nav", "1\r\nFreedonia\t1\r\n");
    const std::string tile(static_cast<size_t>(kPointsPerTile) * 8, '\x11');
    for (int i = 1; i <= kGeneratedTiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Map%05d.tmp", i);
        bench::WriteWorldFile(base / "Map" / name, tile);
    }
}

// Points drive C at the demo world, or at a generated one.
struct World {
    World() {
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
    ~World() {
        if (!generated.empty()) std::filesystem::remove_all(generated);
    }
    std::string source;
    std::filesystem::path generated;
};

const World& TheWorld() {
    static const World world;
    return world;
}

void BM_LoadWorld(benchmark::State& state) {
    state.SetLabel(TheWorld().source);
    size_t airports = 0, shapes = 0;
    for (auto _ : state) {
        trevalo::NavDatabase database(kBaseDirectory);
        database.StartLoaders();
        database.WaitForLoaders({});
        airports = static_cast<size_t>(database.airportCount);
        shapes = database.mapShapes.size();
    }
    state.counters["airports"] = static_cast<double>(airports);
    state.counters["tiles"] = static_cast<double>(shapes);
}

void BM_ReadSameBytes(benchmark::State& state) {
    state.SetLabel(TheWorld().source);
    std::vector<std::string> paths;
    for (const char* name : {"Airport.nav", "Navaids.nav", "Ils.nav", "Country.nav"}) {
        paths.push_back(platform::JoinWindowsPath(kBaseDirectory, name));
    }
    const std::string map = platform::JoinWindowsPath(kBaseDirectory, "Map");
    for (const platform::FoundFile& tile : platform::FindFiles(platform::JoinWindowsPath(map, "*.tmp"))) {
        paths.push_back(platform::JoinWindowsPath(map, tile.name));
    }
    size_t total = 0;
    for (auto _ : state) {
        total = 0;
        std::string bytes;
        for (const std::string& path : paths) {
            platform::ReadFileBytes(path, bytes);
            total += bytes.size();
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * total));
}

BENCHMARK(BM_LoadWorld)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
