#include "scancheck/scan_outputs.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fsinstall/airport_database.h"
#include "fsinstall/generated_world.h"
#include "fsinstall/sample_world.h"
#include "gathrel/bgl_scan.h"
#include "platform/message_box.h"
#include "platform/paths.h"

namespace scancheck {

namespace {

constexpr const char* kBaseDirectory = "C:\\Quillet\\";
constexpr const char* kCorrectionsLog = "C:\\QuilletCorrect.nav";
constexpr const char* kInvalidRunwayLog = "C:\\Invalid.txt";

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3u;
    }
    return hash;
}

// A missing file reads as empty.
std::string FileBytes(const std::string& windowsPath) {
    std::ifstream in(platform::HostPath(windowsPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string DigestLine(const std::string& prefix, const char* output, const std::string& bytes) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a(bytes)));
    return prefix + " " + output + " " + std::to_string(bytes.size()) + " " + hash;
}

fsinstall::InstallationOptions Options(const char* folder, fsinstall::SimulatorVersion version,
                                       std::size_t airportsPerFile, std::size_t navaidsPerFile) {
    fsinstall::InstallationOptions options;
    options.folder = folder;
    options.version = version;
    options.writeInstallKey = false;
    options.airportsPerFile = airportsPerFile;
    options.navaidsPerFile = navaidsPerFile;
    return options;
}

// Every navaid, every seventh twice in a row; then every third again in reverse, every
// other one of those on another frequency.
template <class Navaid, class Retune>
std::vector<Navaid> WithCopies(const std::vector<Navaid>& navaids, Retune retune) {
    std::vector<Navaid> copies;
    for (std::size_t i = 0; i < navaids.size(); ++i) {
        copies.push_back(navaids[i]);
        if (i % 7 == 0) copies.push_back(navaids[i]);
    }
    for (std::size_t i = navaids.size(); i-- > 0;) {
        if (i % 3 != 0) continue;
        copies.push_back(navaids[i]);
        if (i % 2 == 1) retune(copies.back());
    }
    return copies;
}

// Navaids again as WithCopies makes them; every fifth airport again at the end (every
// other one of them with its runways on other sides) and every eleventh at once; every
// fourth airport's runways without their ends.
fsinstall::SceneryContent DuplicatesWorld() {
    const fsinstall::SceneryContent generated = fsinstall::GeneratedWorld(1200);
    fsinstall::SceneryContent world;
    world.ndbs = WithCopies(generated.ndbs, [](fsinstall::Ndb& ndb) { ndb.kilohertz += 1.0; });
    world.vors = WithCopies(generated.vors, [](fsinstall::Vor& vor) { vor.channel = (vor.channel + 1) % 200; });
    for (std::size_t i = 0; i < generated.airports.size(); ++i) {
        fsinstall::Airport airport = generated.airports[i];
        if (i % 4 == 0) {
            for (fsinstall::Runway& runway : airport.runways) runway.start = runway.end = std::nullopt;
        }
        world.airports.push_back(airport);
        if (i % 11 == 0) world.airports.push_back(airport);
    }
    for (std::size_t i = 0; i < generated.airports.size(); i += 5) {
        fsinstall::Airport again = generated.airports[i];
        if (i % 2 == 1) {
            for (fsinstall::Runway& runway : again.runways) runway.designator = (runway.designator + 1) % 5;
        }
        world.airports.push_back(again);
    }
    return world;
}

std::vector<std::string> Scan(const std::string& prefix, const std::string& folder) {
    platform::MessageBoxRecorder boxes;
    gathrel::ScanProgress progress;
    const gathrel::ScanReport report =
        gathrel::RunBglScan({folder, {}, gathrel::DatabasePathsIn(kBaseDirectory)}, progress);
    std::string messages = "outcome " + std::to_string(static_cast<int>(report.outcome)) + "\n";
    for (const std::string& text : boxes.texts()) messages += text + "\n";
    const gathrel::DatabasePaths paths = gathrel::DatabasePathsIn(kBaseDirectory);
    return {DigestLine(prefix, "Airport.nav", FileBytes(paths.airport)),
            DigestLine(prefix, "Navaids.nav", FileBytes(paths.navaids)),
            DigestLine(prefix, "Ils.nav", FileBytes(paths.ils)),
            DigestLine(prefix, "Country.nav", FileBytes(paths.country)),
            DigestLine(prefix, "QuilletCorrect.nav", FileBytes(kCorrectionsLog)),
            DigestLine(prefix, "Invalid.txt", FileBytes(kInvalidRunwayLog)),
            DigestLine(prefix, "messages", messages)};
}

// A copy of the first compressed file with the end of its stream spoilt.
void WriteBrokenFile(const std::string& folder) {
    const std::string scenery = folder + "\\" + fsinstall::kSceneryFolder + "\\";
    std::string bytes = FileBytes(scenery + "NAV0000.bgl");
    std::fill(bytes.end() - std::min<std::size_t>(bytes.size(), 40), bytes.end(), '\x7f');
    std::ofstream(platform::HostPath(scenery + "Broken.bgl"), std::ios::binary) << bytes;
}

}  // namespace

std::vector<InstallCase> SmallCases() {
    using fsinstall::SimulatorVersion;
    std::vector<InstallCase> cases;
    cases.push_back({"sample-fs2000", Options("C:\\FS2000", SimulatorVersion::Fs2000, 1, 2), fsinstall::SampleWorld()});
    cases.push_back({"sample-fs2002", Options("D:\\FS2002", SimulatorVersion::Fs2002, 500, 500),
                     fsinstall::SampleWorld()});
    cases.push_back({"duplicates", Options("C:\\FS2000", SimulatorVersion::Fs2000, 300, 600), DuplicatesWorld(), true});
    return cases;
}

std::vector<InstallCase> BenchCases(const std::string& airportDatabase) {
    using fsinstall::SimulatorVersion;
    std::vector<InstallCase> cases;
    if (std::filesystem::exists(airportDatabase)) {
        if (auto airports = fsinstall::ReadAirportDatabase(airportDatabase)) {
            fsinstall::SceneryContent world;
            world.airports = std::move(*airports);
            cases.push_back({"real-data", Options("D:\\FS2002", SimulatorVersion::Fs2000, 2000, 2000), world});
        }
    }
    cases.push_back({"generated", Options("C:\\FS2000", SimulatorVersion::Fs2000, 2000, 2000),
                     fsinstall::GeneratedWorld(60000)});
    return cases;
}

std::vector<std::string> DigestLines(const InstallCase& installCase) {
    std::filesystem::remove(platform::HostPath(kCorrectionsLog));
    std::filesystem::remove(platform::HostPath(kInvalidRunwayLog));
    if (!fsinstall::WriteInstallation(installCase.options, installCase.world)) {
        return {installCase.name + " installation not written"};
    }
    if (installCase.withBrokenFile) WriteBrokenFile(installCase.options.folder);
    std::vector<std::string> lines;
    for (const char* scan : {"1", "2"}) {
        for (std::string& line : Scan(installCase.name + " " + scan, installCase.options.folder)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::vector<std::string> LinesOfCases(const std::vector<std::string>& lines, const std::vector<InstallCase>& cases) {
    std::vector<std::string> kept;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept), [&](const std::string& line) {
        const std::string name = line.substr(0, line.find(' '));
        return std::any_of(cases.begin(), cases.end(), [&](const InstallCase& c) { return c.name == name; });
    });
    return kept;
}

}  // namespace scancheck
