#include "gathrel/database_scan.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <string_view>
#include <thread>
#include <unordered_set>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "gathrel/line_sort.h"
#include "navdata/line_widths.h"
#include "platform/text.h"
#include "scenery_read_ahead.h"
#include "scenrix/scenery_reader.h"

namespace gathrel {

namespace {

constexpr navdata::FieldSpec kCountry = aerodrex::airport_line::kCountry;

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

// Files are read ahead on threads of their own, a few at a time, and the countries of
// long lists are gathered by runs on as many.
std::size_t ThreadsAtOnce() {
    constexpr std::size_t kMostAtOnce = 8;
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMostAtOnce);
}

// A list of at least this many lines for each thread is split into runs.
constexpr std::size_t kLinesPerCountryRun = 20000;

// The trimmed countries of the lines in the order they first appear; the getter and the
// trimming run once for each country field's text.
std::vector<std::string> CountriesInOrder(const std::string* begin, const std::string* end) {
    std::vector<std::string> countries;
    std::unordered_set<std::string> seen;
    std::unordered_set<std::string_view> fields;
    // The getter wants the whole 335-character line, without its line feed.
    char line[navdata::kAirportLineWidth + 1];
    std::string_view previous;  // the runways of one airport follow each other
    for (const std::string* airport = begin; airport != end; ++airport) {
        if (airport->size() < navdata::kAirportLineWidth) continue;
        const std::string_view field = std::string_view(*airport).substr(kCountry.column, kCountry.width);
        if (field == previous) continue;
        previous = field;
        if (!fields.insert(field).second) continue;
        std::memcpy(line, airport->data(), navdata::kAirportLineWidth);
        line[navdata::kAirportLineWidth] = '\0';
        char country[kCountry.size()] = {};
        GetAirportCountry(country, line);
        std::string name = platform::Trimmed(country);
        if (seen.insert(name).second) countries.push_back(std::move(name));
    }
    return countries;
}

}  // namespace

// Runs taken in their order keep each country where it first appears, as one pass would.
std::vector<std::string> CountriesOfAirports(const std::vector<std::string>& airportLines) {
    const std::size_t runs = std::clamp<std::size_t>(airportLines.size() / kLinesPerCountryRun, 1, ThreadsAtOnce());
    std::vector<std::future<std::vector<std::string>>> found;
    const std::string* const lines = airportLines.data();
    for (std::size_t run = 0; run < runs; ++run) {
        const std::size_t begin = airportLines.size() * run / runs;
        const std::size_t end = airportLines.size() * (run + 1) / runs;
        found.push_back(std::async(std::launch::async, [=] { return CountriesInOrder(lines + begin, lines + end); }));
    }
    std::vector<std::string> countries;
    std::unordered_set<std::string> seen;
    for (auto& run : found) {
        for (std::string& name : run.get()) {
            if (seen.insert(name).second) countries.push_back(std::move(name));
        }
    }
    SortLinesByKey(countries);
    return countries;
}

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
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (progress.StopRequested()) {
                result.stopped = true;
                break;
            }
            progress.SetStatus(files[i].path);
            scenrix::SceneryFileRead read = reading.Take(i);
            scenrix::AppendSceneryFile(read, logs, saIlsInfo, saNavInfo, saAirportInfo);
            reading.Release(std::move(read));
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
    }
    result.navaidLines = std::move(saNavInfo);
    result.airportLines = std::move(saAirportInfo);
    result.ilsLines = std::move(saIlsInfo);
    EmptyReaderArrays();
    result.countries = CountriesOfAirports(result.airportLines);
    return result;
}

}  // namespace gathrel
