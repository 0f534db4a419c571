// Loading the planner's world database (the three database files, Country.nav and the
// map tiles) on the loader threads, beside a plain read(2) of the same bytes into a
// buffer kept between reads.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "map/nav_database.h"
#include "planner_world.h"
#include "world_files.h"

namespace {

void BM_LoadWorld(benchmark::State& state) {
    state.SetLabel(bench::ThePlannerWorld().source);
    size_t airports = 0, shapes = 0;
    for (auto _ : state) {
        trevalo::NavDatabase database(bench::kPlannerBaseDirectory);
        database.StartLoaders();
        database.WaitForLoaders({});
        airports = static_cast<size_t>(database.airportCount);
        shapes = database.mapShapes.size();
    }
    state.counters["runways"] = static_cast<double>(airports);
    state.counters["tiles"] = static_cast<double>(shapes);
}

void BM_ReadSameBytes(benchmark::State& state) {
    state.SetLabel(bench::ThePlannerWorld().source);
    const std::vector<std::filesystem::path> paths = bench::PlannerWorldPaths();
    std::vector<char> buffer;
    size_t total = 0;
    for (auto _ : state) total = bench::ReadFilesPlainly(paths, buffer);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * total));
}

BENCHMARK(BM_LoadWorld)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
