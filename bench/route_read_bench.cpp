// Reading a saved route of 500 airport points at start-up (the route file's lines, each
// airport matched in the loaded world), beside a plain read(2) of the file's bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "adf/route_file.h"
#include "aerodrex/airport_getters.h"
#include "map/nav_database.h"
#include "map/route_file_reader.h"
#include "navdata/line_widths.h"
#include "planner_world.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "world_files.h"

namespace {

constexpr int kRoutePoints = 500;
constexpr char kRouteFile[] = "C:\\Quillet\\bench_route.adf";

const trevalo::NavDatabase& LoadedWorld() {
    static trevalo::NavDatabase* database = [] {
        bench::ThePlannerWorld();
        auto* loaded = new trevalo::NavDatabase(bench::kPlannerBaseDirectory);
        loaded->StartLoaders();
        loaded->WaitForLoaders({});
        return loaded;
    }();
    return *database;
}

// A route of airports spread over the whole list, written as the planner writes it.
void WriteRoute(const trevalo::NavDatabase& database) {
    adf::RouteFile route;
    const int lines = database.airportLines.GetSize();
    for (int i = 0; i < kRoutePoints && lines > 0; ++i) {
        const std::string line =
            database.AirportLine(1 + static_cast<int>(static_cast<long>(i) * lines / kRoutePoints));
        route.sections.push_back(adf::AirportSection{
            .airportLine = line, .runwayEnd = i % 2 == 1, .runwayHeading = GetAirportRunwayDegree(line.c_str())});
    }
    if (!platform::WriteLines(kRouteFile, adf::WriteRouteFile(route))) std::abort();
}

void BM_ReadRoute500(benchmark::State& state) {
    const trevalo::NavDatabase& database = LoadedWorld();
    WriteRoute(database);
    size_t points = 0;
    for (auto _ : state) {
        std::vector<std::string> lines;
        platform::ReadLines(kRouteFile, lines);
        points = trevalo::ParseRouteFile(lines, database).points.size();
    }
    state.counters["points"] = static_cast<double>(points);
}

void BM_ReadRouteBytes(benchmark::State& state) {
    WriteRoute(LoadedWorld());
    const std::vector<std::filesystem::path> paths{platform::HostPath(kRouteFile)};
    std::vector<char> buffer;
    size_t total = 0;
    for (auto _ : state) total = bench::ReadFilesPlainly(paths, buffer);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * total));
}

BENCHMARK(BM_ReadRoute500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadRouteBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
