#include "gathrel/listings_merge.h"

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr const char* kCountryFileMessage = "An error as occured while opening the\nCountry file";
constexpr const char* kNavaidFileMessage = "An error as occured while opening the\nNavaid file";
constexpr const char* kNavaidListingMessage = "An error as occured while opening the\nNavaid text file";
constexpr const char* kAirportFileMessage = "An error as occured while opening the\nAirports file";
constexpr const char* kAirportListingMessage = "An error as occured while opening the\nAirports Text file";
constexpr const char* kLeftOutMessage = "%zu lines of the listings could not be read and were left out.";

// A database that is not there is empty; one that is there must be read.
bool ReadIfPresent(const std::string& path, std::vector<std::string>& lines) {
    return !platform::FileExists(path) || ReadDatabaseLines(path, lines);
}

}  // namespace

MergeReport RunListingsMerge(const DatabasePaths& paths, ScanProgress& progress) {
    MergeReport report;
    BuilderDatabase& database = report.database;
    progress.SetStatus("Loading Countries");
    if (platform::FileExists(paths.country) && !navdata::ReadCountryFile(paths.country, database.countries)) {
        report.message = kCountryFileMessage;
        return report;
    }
    progress.SetStatus("Loading Navaids ");
    if (!ReadIfPresent(paths.navaids, database.navaidLines)) {
        report.message = kNavaidFileMessage;
        return report;
    }
    std::string navaidListing;
    if (!platform::ReadFileBytes(paths.navaidListing, navaidListing)) {
        report.message = kNavaidListingMessage;
        return report;
    }
    progress.SetStatus("Loading Airports ");
    if (!ReadIfPresent(paths.airport, database.airportLines)) {
        report.message = kAirportFileMessage;
        return report;
    }
    std::string airportListing;
    if (!platform::ReadFileBytes(paths.airportListing, airportListing)) {
        report.message = kAirportListingMessage;
        return report;
    }
    report.counts = MergeListings(database, navaidListing, airportListing, progress);
    progress.SetStatus("Sorting");
    progress.SetStatusLine("Done");
    SortBuilderDatabase(database, progress);
    progress.SetProgress(1, 1);
    progress.SetStatus("Done");
    report.merged = true;
    if (report.counts.linesLeftOut > 0) report.message = platform::Format(kLeftOutMessage, report.counts.linesLeftOut);
    return report;
}

}  // namespace gathrel
