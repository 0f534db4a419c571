// The adventure source of a 500-point route (airports, VORs, NDBs, holding on), beside a
// plain read(2) of its definition's bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "adventure_source.h"
#include "definition_builder.h"
#include "record_lines.h"
#include "world_files.h"

namespace {

using namespace textorin::testing;

adf::Definition FiveHundredPointRoute() {
    DefinitionBuilder b;
    b.Set(keys::kHolding, "1").Set(keys::kShowWrong, "1");
    for (int i = 0; i < 500; ++i) {
        if (i % 5 == 0)
            b.Airport(RouteAirport(AirportLine({})));
        else if (i % 5 == 4)
            b.Ndb(NavaidLine({}));
        else
            b.Vor(NavaidLine({}), 10 * (i % 36), i % 2 == 0, i % 3 != 0);
    }
    for (int k = 1; k < 100; ++k) b.Holding(k, -3, adf::HoldingPlace::NoHolding);
    return b.Build();
}

void BM_WriteAdventureSource500Points(benchmark::State& state) {
    adf::Definition definition = FiveHundredPointRoute();
    for (auto _ : state) benchmark::DoNotOptimize(textorin::WriteAdventureSource(definition));
    state.SetLabel("target < 50 ms");
}
BENCHMARK(BM_WriteAdventureSource500Points)->Unit(benchmark::kMillisecond);

void BM_ReadDefinitionBytes(benchmark::State& state) {
    std::string bytes;
    for (const std::string& line : FiveHundredPointRoute().Lines()) bytes += line + "\r\n";
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "textorin-bench-500.adf";
    bench::WriteWorldFile(path, bytes);
    const std::vector<std::filesystem::path> paths{path};
    std::vector<char> buffer;
    size_t total = 0;
    for (auto _ : state) total = bench::ReadFilesPlainly(paths, buffer);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * total));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadDefinitionBytes)->Unit(benchmark::kMillisecond);

}  // namespace
