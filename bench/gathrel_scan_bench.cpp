// The builder's scan (every scenery file read with the scenery reader, its lines
// gathered, the countries found, the lines of the scan before replaced) of three stand-in
// installations, each beside read(2) of the same files in the same run: one made from
// the real airport data, one from the generated world, and the demo's as
// scripts/make-demo writes it (its airports, navaids and ILS).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fsinstall/airport_database.h"
#include "fsinstall/generated_world.h"
#include "fsinstall/installation.h"
#include "gathrel/builder_database.h"
#include "gathrel/database_scan.h"
#include "gathrel/scenery_files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "scenrix/line_storage.h"

namespace {

constexpr int kGeneratedAirports = 60000;
constexpr std::size_t kFilesPerBatch = 2000;

struct Installation {
    std::vector<gathrel::SceneryFile> files;
    std::uint64_t bytes = 0;
};

// Drives C and D in a folder of their own, removed at exit.
const std::filesystem::path& BenchRoot() {
    static const std::filesystem::path root = [] {
        char pattern[] = "/tmp/gathrel_bench.XXXXXX";
        const std::filesystem::path made = ::mkdtemp(pattern);
        ::setenv("QUILLET_DRIVE_C", (made / "c").c_str(), 1);
        ::setenv("QUILLET_DRIVE_D", (made / "d").c_str(), 1);
        ::setenv("QUILLET_SETTINGS_DIR", (made / "settings").c_str(), 1);
        platform::SetMessageBoxHandler([](const platform::MessageBoxRequest&) { return platform::MbResult::Ok; });
        return made;
    }();
    static const struct Remover {
        ~Remover() { std::filesystem::remove_all(root); }
    } remover;
    return root;
}

Installation Install(const std::string& folder, const fsinstall::SceneryContent& world) {
    BenchRoot();
    fsinstall::InstallationOptions options;
    options.folder = folder;
    options.writeInstallKey = false;
    options.airportsPerFile = kFilesPerBatch;
    options.navaidsPerFile = kFilesPerBatch;
    Installation made;
    if (!fsinstall::WriteInstallation(options, world)) return made;
    made.files = gathrel::FindSceneryFiles(folder, {});
    for (const gathrel::SceneryFile& file : made.files) made.bytes += file.size;
    return made;
}

const Installation& Generated() {
    static const Installation installation = Install("C:\\FS2000", fsinstall::GeneratedWorld(kGeneratedAirports));
    return installation;
}

// Empty when the airport data was not fetched (scripts/fetch-airport-data).
const Installation& RealData() {
    static const Installation installation = [] {
        const auto airports = fsinstall::ReadAirportDatabase(QUILLET_AIRPORT_DATABASE);
        if (!airports) return Installation{};
        fsinstall::SceneryContent world;
        world.airports = *airports;
        return Install("D:\\FS2002", world);
    }();
    return installation;
}

// Empty when scripts/make-demo has not written the demo. Drive E is the demo's drive C,
// which the scan only reads.
const Installation& Demo() {
    static const Installation installation = [] {
        BenchRoot();
        const std::filesystem::path driveC = QUILLET_DEMO_DRIVE_C;
        if (!std::filesystem::exists(driveC / "FS2002")) return Installation{};
        ::setenv("QUILLET_DRIVE_E", driveC.c_str(), 1);
        Installation found;
        found.files = gathrel::FindSceneryFiles("E:\\FS2002", {});
        for (const gathrel::SceneryFile& file : found.files) found.bytes += file.size;
        return found;
    }();
    return installation;
}

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void ReadEveryFile(benchmark::State& state, const Installation& installation) {
    if (installation.files.empty()) {
        state.SkipWithError("no installation (airport data not fetched, or no demo made?)");
        return;
    }
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        for (const gathrel::SceneryFile& file : installation.files) {
            const int fd = ::open(platform::HostPath(file.path).c_str(), O_RDONLY | O_CLOEXEC);
            while (fd >= 0 && ::read(fd, buffer.data(), buffer.size()) > 0) {
            }
            if (fd >= 0) ::close(fd);
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * installation.bytes));
}

// With first, each scan starts with no lines before it and no line storage kept, as the
// first Create Db of a session does.
void Scan(benchmark::State& state, const Installation& installation, bool first = false) {
    if (installation.files.empty()) {
        state.SkipWithError("no installation (airport data not fetched, or no demo made?)");
        return;
    }
    // Each scan replaces the lines of the one before, as the builder's Files page does.
    gathrel::BuilderDatabase database;
    const double cpuBefore = ProcessCpuSeconds();
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            database = {};
            for (const auto kind : {scenrix::LineKind::Navaid, scenrix::LineKind::Airport, scenrix::LineKind::Ils}) {
                scenrix::KeepLineStorage(kind, {});
            }
            state.ResumeTiming();
        }
        gathrel::ScanProgress progress;
        gathrel::ScanResult result = gathrel::ScanScenery(installation.files, progress);
        state.counters["airport_lines"] = static_cast<double>(result.airportLines.size());
        state.counters["navaid_lines"] = static_cast<double>(result.navaidLines.size());
        gathrel::TakeScanResult(database, std::move(result));
        benchmark::DoNotOptimize(database.countries.size());
    }
    state.counters["files"] = static_cast<double>(installation.files.size());
    // The time of every thread of the process, which the machine's other work moves less
    // than the scan's own time.
    state.counters["process_cpu_ms"] = (ProcessCpuSeconds() - cpuBefore) * 1e3 /
                                       static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * installation.bytes));
}

void BM_RealDataRead(benchmark::State& state) { ReadEveryFile(state, RealData()); }
void BM_RealDataScan(benchmark::State& state) { Scan(state, RealData()); }
void BM_RealDataFirstScan(benchmark::State& state) { Scan(state, RealData(), true); }
void BM_DemoRead(benchmark::State& state) { ReadEveryFile(state, Demo()); }
void BM_DemoScan(benchmark::State& state) { Scan(state, Demo()); }
void BM_DemoFirstScan(benchmark::State& state) { Scan(state, Demo(), true); }
void BM_GeneratedRead(benchmark::State& state) { ReadEveryFile(state, Generated()); }
void BM_GeneratedScan(benchmark::State& state) { Scan(state, Generated()); }
void BM_GeneratedFirstScan(benchmark::State& state) { Scan(state, Generated(), true); }

BENCHMARK(BM_RealDataRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealDataScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealDataFirstScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoFirstScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedFirstScan)->Unit(benchmark::kMillisecond);

}  // namespace
