// Any bytes as the two listings (Navaids.txt before the first NUL, Airports.txt after
// it), merged into an empty database: every line made is a whole record line, and a
// second merge of the same listings adds nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gathrel/listings_merge.h"
#include "navdata/line_widths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view navaids = bytes.substr(0, split);
    const std::string_view airports = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    gathrel::BuilderDatabase database;
    gathrel::ScanProgress progress;
    gathrel::MergeListings(database, navaids, airports, progress);
    for (const std::string& line : database.navaidLines) {
        if (line.size() != navdata::kNavaidLineWidth + 1 || line.back() != '\n') std::abort();
    }
    for (const std::string& line : database.airportLines) {
        if (line.size() != navdata::kAirportLineWidth + 1 || line.back() != '\n') std::abort();
    }
    const gathrel::MergeCounts again = gathrel::MergeListings(database, navaids, airports, progress);
    if (again.navaidsAdded + again.airportsAdded + again.countriesAdded != 0) std::abort();
    if (progress.Percent() < 0 || progress.Percent() > 100) std::abort();
    return 0;
}
