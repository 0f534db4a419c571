#include "gathrel/builder_database.h"

#include "gathrel/lines_freed_later.h"
#include "platform/file_search.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr const char* kSaveFailedMessage = "The database %s could not be written.\nThe changes were not saved.";

std::vector<navdata::CountryEntry> LoadedEntries(const std::vector<std::string>& names) {
    std::vector<navdata::CountryEntry> entries;
    entries.reserve(names.size());
    for (const std::string& name : names) entries.push_back({name, true});
    return entries;
}

}  // namespace

const navdata::CountryEntry* BuilderDatabase::FindCountry(const std::string& name) const {
    const std::string trimmed = platform::Trimmed(name);
    for (const navdata::CountryEntry& entry : countries) {
        if (entry.name == trimmed) return &entry;
    }
    return nullptr;
}

bool BuilderDatabase::AddCountry(const std::string& name) {
    if (FindCountry(name) != nullptr) return false;
    countries.push_back({platform::Trimmed(name), true});
    return true;
}

BuilderDatabase LoadBuilderDatabase(const DatabasePaths& paths) {
    BuilderDatabase database;
    navdata::ReadCountryFile(paths.country, database.countries);
    ReadDatabaseLines(paths.navaids, database.navaidLines);
    ReadDatabaseLines(paths.airport, database.airportLines);
    return database;
}

void TakeScanResult(BuilderDatabase& database, ScanResult&& scan) {
    database.countries = LoadedEntries(scan.countries);
    // The lines replaced, and the ILS lines already written, are many small blocks.
    ReplaceLines(database.navaidLines, std::move(scan.navaidLines), scenrix::LineKind::Navaid);
    ReplaceLines(database.airportLines, std::move(scan.airportLines), scenrix::LineKind::Airport);
    FreeLinesLater(scenrix::KeepLineStorage(scenrix::LineKind::Ils, std::move(scan.ilsLines)));
    // Written with padded count lines; closing writes them again with bare ones.
    database.unsaved = true;
}

void DropScanResult(ScanResult&& scan) {
    FreeLinesLater(scenrix::KeepLineStorage(scenrix::LineKind::Navaid, std::move(scan.navaidLines)));
    FreeLinesLater(scenrix::KeepLineStorage(scenrix::LineKind::Airport, std::move(scan.airportLines)));
    FreeLinesLater(scenrix::KeepLineStorage(scenrix::LineKind::Ils, std::move(scan.ilsLines)));
}

bool SaveBuilderDatabase(BuilderDatabase& database, const DatabasePaths& paths, std::string& failedPath) {
    std::vector<platform::FileReplacement> files;
    // A merge reads both listings: they are there, empty, for the next one.
    for (const std::string* listing : {&paths.navaidListing, &paths.airportListing}) {
        if (!platform::FileExists(*listing)) files.push_back({*listing, {}});
    }
    std::string navaids, airports, countries;
    if (database.unsaved) {
        navaids = DatabaseFileBytes(database.navaidLines, 0);
        airports = DatabaseFileBytes(database.airportLines, 0);
        countries = navdata::CountryFileBytes(database.countries);
        if (!database.navaidLines.empty()) files.push_back({paths.navaids, navaids});
        if (!database.airportLines.empty()) files.push_back({paths.airport, airports});
        if (!database.countries.empty()) files.push_back({paths.country, countries});
    }
    if (!ReplaceDatabaseFiles(files, failedPath)) return false;
    database.unsaved = false;
    return true;
}

bool SaveNavaidLines(const BuilderDatabase& database, const DatabasePaths& paths, std::string& failedPath) {
    const std::string navaids = DatabaseFileBytes(database.navaidLines, 0);
    return ReplaceDatabaseFiles({{paths.navaids, navaids}}, failedPath);
}

std::string SaveFailedMessage(const std::string& failedPath) {
    return platform::Format(kSaveFailedMessage, failedPath.c_str());
}

}  // namespace gathrel
