// Parsing the record lines into the airport and navaid lists, beside a plain pass over
// the same bytes that shows how near the parse comes to the cost of reading them.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "aerodrex/airport_array.h"
#include "beaconex/navaid_array.h"
#include "generated_lines.h"

namespace {

constexpr std::size_t kAirportLines = 60000;
constexpr std::size_t kNavaidLines = 20000;

const bench::LineBlock& AirportLines() {
    static const bench::LineBlock block = bench::GenerateAirportLines(kAirportLines);
    return block;
}

const bench::LineBlock& NavaidLines() {
    static const bench::LineBlock block = bench::GenerateNavaidLines(kNavaidLines);
    return block;
}

void CountBytes(benchmark::State& state, const bench::LineBlock& block) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.bytes.size()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * block.starts.size()));
}

// Reads every byte once: sums them and counts the line ends.
void PlainPass(benchmark::State& state, const bench::LineBlock& block) {
    for (auto _ : state) {
        std::uint64_t sum = 0;
        std::size_t lineEnds = 0;
        for (const char c : block.bytes) {
            sum += static_cast<unsigned char>(c);
            lineEnds += c == '\0';
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(lineEnds);
    }
    CountBytes(state, block);
}

void BM_AirportListAdd(benchmark::State& state) {
    const bench::LineBlock& block = AirportLines();
    for (auto _ : state) {
        CAirportArray list;
        for (std::size_t i = 0; i < block.starts.size(); ++i) list.Add(block.line(i));
        benchmark::DoNotOptimize(list.GetSize());
    }
    CountBytes(state, block);
}

void BM_AirportLinesPlainPass(benchmark::State& state) { PlainPass(state, AirportLines()); }

void BM_NavaidListAdd(benchmark::State& state) {
    const bench::LineBlock& block = NavaidLines();
    for (auto _ : state) {
        CNavaidArray list;
        for (std::size_t i = 0; i < block.starts.size(); ++i) {
            list.Add(block.line(i), static_cast<double>(i), -static_cast<double>(i));
        }
        benchmark::DoNotOptimize(list.GetSize());
    }
    CountBytes(state, block);
}

void BM_NavaidLinesPlainPass(benchmark::State& state) { PlainPass(state, NavaidLines()); }

BENCHMARK(BM_AirportListAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AirportLinesPlainPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NavaidListAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NavaidLinesPlainPass)->Unit(benchmark::kMillisecond);

}  // namespace
