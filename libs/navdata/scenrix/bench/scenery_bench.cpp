// Scans a stand-in installation of at least 50 MB of scenery with LoadDLLBGL, as the
// builder does, beside a plain read of the same files; and inflates compressed scenery.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fsinstall/generated_world.h"
#include "fsinstall/installation.h"
#include "fsinstall/jm_encoder.h"
#include "fsinstall/scenery_writer.h"
#include "jm_decompress.h"
#include "platform/message_box.h"
#include "scenrix/scenery_reader.h"

namespace {

constexpr std::size_t kMinScenerySize = 50u << 20;
constexpr int kAirportsPerFile = 2000;

struct Installation {
    std::string root;  // host folder, removed at exit
    std::string folder;
    std::vector<std::string> files;  // Windows paths
    std::size_t bytes = 0;
};

const Installation& TheInstallation() {
    static const Installation installation = [] {
        char pattern[] = "/tmp/scenery_bench.XXXXXX";
        const std::string root = ::mkdtemp(pattern);
        ::setenv("QUILLET_DRIVE_C", root.c_str(), 1);
        platform::SetMessageBoxHandler([](const platform::MessageBoxRequest&) { return platform::MbResult::Ok; });
        Installation made;
        made.root = root;
        made.folder = "C:\\FS2000";
        fsinstall::InstallationOptions options;
        options.folder = made.folder;
        options.writeInstallKey = false;
        options.airportsPerFile = kAirportsPerFile;
        options.navaidsPerFile = kAirportsPerFile;
        int airports = 40000;
        for (;;) {
            fsinstall::WriteInstallation(options, fsinstall::GeneratedWorld(airports));
            made.files.clear();
            made.bytes = 0;
            const auto scenery = std::filesystem::path(root) / "FS2000/Scenery/World/scenery";
            for (const auto& entry : std::filesystem::directory_iterator(scenery)) {
                made.files.push_back(made.folder + "\\Scenery\\World\\scenery\\" + entry.path().filename().string());
                made.bytes += entry.file_size();
            }
            if (made.bytes >= kMinScenerySize) break;
            airports *= 2;
        }
        return made;
    }();
    static const struct Remover {
        ~Remover() { std::filesystem::remove_all(installation.root); }
    } remover;
    return installation;
}

std::string HostPathOf(const std::string& windowsPath) {
    const char* root = std::getenv("QUILLET_DRIVE_C");
    std::string path = windowsPath.substr(2);
    for (char& c : path)
        if (c == '\\') c = '/';
    return std::string(root) + path;
}

void BM_PlainRead(benchmark::State& state) {
    const Installation& installation = TheInstallation();
    std::vector<char> buffer;
    for (auto _ : state) {
        for (const std::string& file : installation.files) {
            std::ifstream in(HostPathOf(file), std::ios::binary);
            buffer.assign(std::istreambuf_iterator<char>(in), {});
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * installation.bytes));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_SceneryScan(benchmark::State& state) {
    const Installation& installation = TheInstallation();
    for (auto _ : state) {
        std::vector<std::string> ils, navaids, airports, knownNavaids, knownAirports;
        for (const std::string& file : installation.files) {
            LoadDLLBGL(file.c_str(), ils, navaids, airports, knownNavaids, knownAirports);
            knownNavaids.insert(knownNavaids.end(), navaids.begin(), navaids.end());
            knownAirports.insert(knownAirports.end(), airports.begin(), airports.end());
        }
        benchmark::DoNotOptimize(knownAirports.size());
        state.counters["files"] = static_cast<double>(installation.files.size());
        state.counters["navaid_lines"] = static_cast<double>(knownNavaids.size());
        state.counters["airport_lines"] = static_cast<double>(knownAirports.size());
        state.counters["ils_lines"] = static_cast<double>(ils.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * installation.bytes));
}
BENCHMARK(BM_SceneryScan)->Unit(benchmark::kMillisecond);

void BM_Decompress(benchmark::State& state) {
    const std::vector<std::uint8_t> plain =
        fsinstall::WriteSceneryFile(fsinstall::GeneratedWorld(20000), fsinstall::Compression::Plain);
    const std::vector<std::uint8_t> stream = fsinstall::EncodeJmBlock(plain);
    std::vector<std::uint8_t> out(plain.size());
    for (auto _ : state) {
        const int n =
            DecompressJmBlock(stream.data(), static_cast<int>(stream.size()), out.data(), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
}
BENCHMARK(BM_Decompress)->Unit(benchmark::kMillisecond);

}  // namespace
