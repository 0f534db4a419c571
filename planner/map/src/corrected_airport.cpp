#include "map/corrected_airport.h"

#include <cctype>

#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace trevalo {

namespace {

constexpr std::string_view kIdentPrefix = "id=";
constexpr std::string_view kRunwayPrefix = "rn=";
constexpr std::string_view kLatitudePrefix = "lat=";
constexpr std::string_view kLongitudePrefix = "lon=";
constexpr std::size_t kRecordLines = 4;
constexpr std::size_t kRunwayNumberDigits = 2;

// The text after the prefix when the trimmed line starts with it.
std::optional<std::string> ValueAfter(const std::string& line, std::string_view prefix) {
    const std::string trimmed = platform::Trimmed(line);
    if (trimmed.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    return platform::Trimmed(std::string_view(trimmed).substr(prefix.size()));
}

bool SameKey(const AirportCorrection& correction, const std::string& ident, const std::string& runwayKey) {
    return correction.ident == ident && RunwayKey(correction.runway) == runwayKey;
}

}  // namespace

std::string RunwayKey(std::string_view runway) {
    std::string digits;
    std::string letters;
    for (char c : runway) {
        if (std::isspace(static_cast<unsigned char>(c))) continue;
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
        else
            letters += c;
    }
    if (!digits.empty() && digits.size() < kRunwayNumberDigits)
        digits.insert(0, kRunwayNumberDigits - digits.size(), '0');
    return digits + letters;
}

std::vector<FoundCorrection> ReadCorrections(const std::vector<std::string>& lines) {
    std::vector<FoundCorrection> found;
    std::size_t i = 0;
    while (i + kRecordLines <= lines.size()) {
        const auto ident = ValueAfter(lines[i], kIdentPrefix);
        const auto runway = ValueAfter(lines[i + 1], kRunwayPrefix);
        const auto latitude = ValueAfter(lines[i + 2], kLatitudePrefix);
        const auto longitude = ValueAfter(lines[i + 3], kLongitudePrefix);
        if (!ident || !runway || !latitude || !longitude) {
            ++i;  // not a record start: look from the next line
            continue;
        }
        found.push_back(
            {{*ident, *runway, platform::LeadingDouble(*latitude), platform::LeadingDouble(*longitude)}, i});
        i += kRecordLines;
    }
    return found;
}

std::optional<FoundCorrection> FindCorrection(const std::vector<std::string>& lines, const std::string& ident,
                                              const std::string& runway) {
    const std::string wantedIdent = platform::Trimmed(ident);
    const std::string wantedRunway = RunwayKey(runway);
    if (wantedIdent.empty()) return std::nullopt;
    for (FoundCorrection& record : ReadCorrections(lines))
        if (SameKey(record.correction, wantedIdent, wantedRunway)) return record;
    return std::nullopt;
}

std::vector<std::string> CorrectionLines(const AirportCorrection& correction) {
    return {std::string(kIdentPrefix) + platform::Trimmed(correction.ident),
            std::string(kRunwayPrefix) + platform::Trimmed(correction.runway),
            std::string(kLatitudePrefix) + platform::FixedText(correction.latitude),
            std::string(kLongitudePrefix) + platform::FixedText(correction.longitude)};
}

bool LookupCorrectedAirport(const std::string& ident, const std::string& runway, const std::string& baseDirectory,
                            double& latitude, double& longitude) {
    std::vector<std::string> lines;
    if (!platform::ReadLines(baseDirectory + kCorrectionsFileName, lines)) return false;
    const std::optional<FoundCorrection> found = FindCorrection(lines, ident, runway);
    if (!found) return false;
    latitude = found->correction.latitude;
    longitude = found->correction.longitude;
    return true;
}

}  // namespace trevalo
