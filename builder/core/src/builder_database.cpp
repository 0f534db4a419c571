#include "gathrel/builder_database.h"

#include "gathrel/lines_freed_later.h"
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
    database.unsaved = false;
}

bool SaveBuilderDatabase(BuilderDatabase& database, const DatabasePaths& paths, std::string& failedPath) {
    if (!database.unsaved) return true;
    const std::string navaids = DatabaseFileBytes(database.navaidLines, 0);
    const std::string airports = DatabaseFileBytes(database.airportLines, 0);
    const std::string countries = navdata::CountryFileBytes(database.countries);
    std::vector<platform::FileReplacement> files;
    if (!database.navaidLines.empty()) files.push_back({paths.navaids, navaids});
    if (!database.airportLines.empty()) files.push_back({paths.airport, airports});
    if (!database.countries.empty()) files.push_back({paths.country, countries});
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
