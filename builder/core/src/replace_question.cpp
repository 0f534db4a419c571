#include "gathrel/replace_question.h"

#include <cstddef>
#include <vector>

#include "navdata/country_file.h"
#include "platform/text.h"

namespace gathrel {

namespace {

struct HeldRecords {
    const char* fileName;
    const char* one;   // "1 airport"
    const char* many;  // "2 airports"
    std::size_t held;
    std::size_t found;
};

}  // namespace

std::string ReplaceQuestion(const DatabaseCounts& held, const DatabaseCounts& found) {
    const HeldRecords databases[] = {
        {kAirportFileName, "airport", "airports", held.airports, found.airports},
        {kNavaidsFileName, "navaid", "navaids", held.navaids, found.navaids},
        {kIlsFileName, "ILS", "ILS", held.ils, found.ils},
        {navdata::kCountryFileName, "country", "countries", held.countries, found.countries},
    };
    std::vector<std::string> lines;
    for (const HeldRecords& database : databases) {
        if (database.held == 0) continue;
        lines.push_back(platform::Format("%s holds %zu %s; the scan found %zu.", database.fileName, database.held,
                                         database.held == 1 ? database.one : database.many, database.found));
    }
    if (lines.empty()) return {};
    std::string question;
    for (const std::string& line : lines) question += line + (lines.size() == 1 ? " " : "\n");
    return question + (lines.size() == 1 ? "Replace it?" : "Replace them?");
}

}  // namespace gathrel
