#include "gathrel/database_files.h"

#include <string_view>
#include <unordered_set>

#include "aerodrex/airport_line_layout.h"

#include "navdata/country_file.h"
#include "navdata/line_widths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr const char* kSavingText = "Saving Data to File. Please wait (%s)";

// A line feed and the carriage returns before it: a record never ends in either.
std::string_view WithoutLineFeed(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Each record line of a database's bytes, its count line left out, without its line end.
template <class Visit>
void ForEachRecord(std::string_view bytes, Visit visit) {
    bool countLine = true;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = WithoutLineFeed(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (countLine) {
            countLine = false;
        } else if (!line.empty()) {
            visit(line);
        }
    }
}

// Airports told apart by their country and ident, so that each counts once.
class AirportTally {
public:
    void Add(std::string_view line) {
        keys_.insert(Field(line, aerodrex::airport_line::kCountry) + '\t' +
                     Field(line, aerodrex::airport_line::kIdent));
    }
    std::size_t Count() const { return keys_.size(); }

private:
    template <class Layout>
    static std::string Field(std::string_view line, const Layout& field) {
        return line.size() <= field.column ? std::string()
                                           : std::string(platform::TrimmedView(line.substr(field.column, field.width)));
    }

    std::unordered_set<std::string> keys_;
};

// The same for a file; a file that cannot be read has none.
template <class Visit>
void ForEachRecordIn(const std::string& windowsPath, Visit visit) {
    std::string bytes;
    if (platform::ReadFileBytes(windowsPath, bytes)) ForEachRecord(bytes, visit);
}

std::size_t RecordsIn(const std::string& windowsPath) {
    std::size_t records = 0;
    ForEachRecordIn(windowsPath, [&](std::string_view) { ++records; });
    return records;
}

std::size_t AirportsIn(const std::string& windowsPath) {
    AirportTally airports;
    ForEachRecordIn(windowsPath, [&](std::string_view line) { airports.Add(line); });
    return airports.Count();
}

std::string CountryBytes(const std::vector<std::string>& countries) {
    std::vector<navdata::CountryEntry> entries;
    entries.reserve(countries.size());
    for (const std::string& name : countries) entries.push_back({name, true});
    return navdata::CountryFileBytes(entries);
}

}  // namespace

DatabasePaths DatabasePathsIn(const std::string& baseDirectory) {
    return {platform::JoinWindowsPath(baseDirectory, kAirportFileName),
            platform::JoinWindowsPath(baseDirectory, kNavaidsFileName),
            platform::JoinWindowsPath(baseDirectory, kIlsFileName),
            platform::JoinWindowsPath(baseDirectory, navdata::kCountryFileName),
            platform::JoinWindowsPath(baseDirectory, kNavaidListingName),
            platform::JoinWindowsPath(baseDirectory, kAirportListingName)};
}

std::string DatabaseFileBytes(const std::vector<std::string>& lines, std::size_t width) {
    std::string bytes = std::to_string(lines.size());
    bytes.resize(std::max(bytes.size(), width), ' ');
    bytes += kLineEnd;
    bytes.reserve(bytes.size() + lines.size() * (width + kLineEnd.size()));
    for (const std::string& line : lines) bytes.append(WithoutLineFeed(line)).append(kLineEnd);
    return bytes;
}

bool WriteScanDatabases(const ScanResult& scan, const DatabasePaths& paths, ScanProgress& progress,
                        std::string& failedPath) {
    progress.SetStatus(platform::Format(kSavingText, "ILS"));
    const std::string ils = DatabaseFileBytes(scan.ilsLines, navdata::kIlsLineWidth);
    progress.SetStatus(platform::Format(kSavingText, "NAV"));
    const std::string navaids = DatabaseFileBytes(scan.navaidLines, navdata::kNavaidLineWidth);
    progress.SetStatus(platform::Format(kSavingText, "AIRP"));
    const std::string airports = DatabaseFileBytes(scan.airportLines, navdata::kAirportLineWidth);
    const std::string countries = CountryBytes(scan.countries);
    const std::vector<platform::FileReplacement> files = {
        {paths.ils, ils}, {paths.navaids, navaids}, {paths.airport, airports}, {paths.country, countries}};
    return ReplaceDatabaseFiles(files, failedPath);
}

bool ReplaceDatabaseFiles(const std::vector<platform::FileReplacement>& files, std::string& failedPath) {
    // The base directory is made when missing, as the planner's set-up would have.
    for (const platform::FileReplacement& file : files) {
        const std::string folder = platform::WindowsFolderPart(file.windowsPath);
        if (!folder.empty()) platform::CreateDirectory(folder);
    }
    std::size_t failed = 0;
    if (platform::ReplaceFilesTogether(files, &failed)) return true;
    failedPath = files[failed].windowsPath;
    return false;
}

bool ReadDatabaseLines(const std::string& windowsPath, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (!platform::ReadFileBytes(windowsPath, bytes)) return false;
    ForEachRecord(bytes, [&](std::string_view line) {
        std::string kept;
        kept.reserve(line.size() + 1);
        kept.append(line).push_back('\n');
        lines.push_back(std::move(kept));
    });
    return true;
}

DatabaseCounts CountDatabaseRecords(const DatabasePaths& paths) {
    std::vector<navdata::CountryEntry> countries;  // as the builder reads them; none when unreadable
    navdata::ReadCountryFile(paths.country, countries);
    return {AirportsIn(paths.airport), RecordsIn(paths.navaids), RecordsIn(paths.ils), countries.size()};
}

DatabaseCounts CountsOf(const ScanResult& scan) {
    AirportTally airports;
    for (const std::string& line : scan.airportLines) airports.Add(line);
    return {airports.Count(), scan.navaidLines.size(), scan.ilsLines.size(), scan.countries.size()};
}

}  // namespace gathrel
