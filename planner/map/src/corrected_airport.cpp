#include "map/corrected_airport.h"

#include <string_view>
#include <vector>

#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace trevalo {

namespace {

// A record is four lines: "id=<ident>", "rn=<runway>", "lat=<degrees>", "lon=<degrees>".
constexpr std::string_view kIdentPrefix = "id=";
constexpr std::string_view kRunwayPrefix = "rn=";
constexpr std::string_view kLatitudePrefix = "lat=";
constexpr std::string_view kLongitudePrefix = "lon=";
constexpr size_t kRecordLines = 4;

// Only the prefix's length counts, not its letters.
bool ValueEquals(const std::string& line, std::string_view prefix, const std::string& value) {
    return line.size() >= prefix.size() && line.compare(prefix.size(), std::string::npos, value) == 0;
}

double NumberAfter(const std::string& line, std::string_view prefix) {
    return line.size() > prefix.size() ? platform::LeadingDouble(std::string_view(line).substr(prefix.size())) : 0.0;
}

}  // namespace

bool LookupCorrectedAirport(const std::string& ident, const std::string& runway,
                            const std::string& baseDirectory, double& latitude,
                            double& longitude) {
    std::vector<std::string> lines;
    if (!platform::ReadLines(baseDirectory + kCorrectionsFileName, lines)) return false;
    for (std::string& line : lines) line = platform::Trimmed(line);

    const std::string wantedIdent = platform::Trimmed(ident);
    for (size_t i = 0; i + kRecordLines <= lines.size(); ++i) {
        if (!ValueEquals(lines[i], kIdentPrefix, wantedIdent)) continue;
        if (!ValueEquals(lines[i + 1], kRunwayPrefix, runway)) continue;
        latitude = NumberAfter(lines[i + 2], kLatitudePrefix);
        longitude = NumberAfter(lines[i + 3], kLongitudePrefix);
        return true;
    }
    return false;
}

}  // namespace trevalo
