#include "gathrel/database_scan.h"

#include <algorithm>
#include <thread>

#include "country_gathering.h"
#include "scenery_read_ahead.h"
#include "scenrix/scenery_reader.h"

namespace gathrel {

namespace {

void EmptyReaderArrays() {
    for (std::vector<std::string>* lines :
         {&saIlsInfo, &saNavaidsLinesSA, &saAirportLinesSA, &saNavInfo, &saAirportInfo}) {
        lines->clear();
    }
}

// Room for the lines the files still to come are likely to bring, judged by the sizes of
// the files added so far, so that the lines already gathered are seldom moved again.
void ReserveForTheRest(std::vector<std::string>& lines, std::uint64_t done, std::uint64_t total) {
    if (done == 0 || done >= total || lines.empty()) return;
    const double expected = static_cast<double>(lines.size()) * static_cast<double>(total) / static_cast<double>(done);
    // An eighth more, for files richer than those so far.
    const auto wanted = static_cast<std::size_t>(expected * 1.125);
    if (wanted > lines.capacity()) lines.reserve(std::max(wanted, lines.capacity() + lines.capacity() / 2));
}

// Files are read ahead on threads of their own, a few at a time.
std::size_t ThreadsAtOnce() {
    constexpr std::size_t kMostAtOnce = 8;
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMostAtOnce);
}

}  // namespace

ScanResult ScanScenery(const std::vector<SceneryFile>& files, ScanProgress& progress) {
    ScanResult result;
    EmptyReaderArrays();
    progress.SetCounts(0, 0);
    std::uint64_t total = 0;
    for (const SceneryFile& file : files) total += file.size;
    std::uint64_t done = 0;
    {
        const std::size_t atOnce = ThreadsAtOnce();
        SceneryReadAhead reading(files, atOnce, atOnce);
        scenrix::SceneryLogWriter logs;
        CountryGathering countries;
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (progress.StopRequested()) {
                result.stopped = true;
                break;
            }
            progress.SetStatus(files[i].path);
            scenrix::SceneryFileRead read = reading.Take(i);
            const std::size_t airportsBefore = saAirportInfo.size();
            scenrix::AppendSceneryFile(read, logs, saIlsInfo, saNavInfo, saAirportInfo);
            reading.Release(std::move(read));
            countries.Add(saAirportInfo, airportsBefore);
            ++result.filesRead;
            done += files[i].size;
            for (std::vector<std::string>* lines : {&saNavInfo, &saAirportInfo, &saIlsInfo}) {
                ReserveForTheRest(*lines, done, total);
            }
            progress.SetCounts(saNavInfo.size(), saAirportInfo.size());
            progress.SetProgress(done, total);
        }
        // Every log is in its file before the scan returns; files read ahead of a stop are
        // waited for (as reading ends) and left out.
        logs.Finish();
        result.countries = countries.Countries();
    }
    result.navaidLines = std::move(saNavInfo);
    result.airportLines = std::move(saAirportInfo);
    result.ilsLines = std::move(saIlsInfo);
    EmptyReaderArrays();
    return result;
}

}  // namespace gathrel
