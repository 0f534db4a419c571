#include "gathrel/record_search.h"

#include "aerodrex/airport_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "platform/text.h"

namespace gathrel {

namespace {

namespace navaid = beaconex::navaid_line;
namespace airport = aerodrex::airport_line;

template <class Field>
std::string FieldOf(const std::string& line, const Field& field) {
    if (line.size() <= field.column) return {};
    return platform::Trimmed(std::string_view(line).substr(field.column, field.width));
}

}  // namespace

std::string NavaidCountryOf(const std::string& line) { return FieldOf(line, navaid::kCountry); }
std::string NavaidIdentOf(const std::string& line) { return FieldOf(line, navaid::kIdent); }
std::string AirportCountryOf(const std::string& line) { return FieldOf(line, airport::kCountry); }
std::string AirportIdentOf(const std::string& line) { return FieldOf(line, airport::kIdent); }

int FindNavaidInCountry(const std::vector<std::string>& lines, const std::string& country, const std::string& ident) {
    const std::string wantedCountry = platform::Trimmed(country);
    const std::string wantedIdent = platform::Trimmed(ident);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (NavaidIdentOf(lines[i]) == wantedIdent && NavaidCountryOf(lines[i]) == wantedCountry)
            return static_cast<int>(i);
    }
    return -1;
}

int FindNavaidLine(const std::vector<std::string>& lines, const std::string& country, const std::string& ident) {
    const int inCountry = FindNavaidInCountry(lines, country, ident);
    if (inCountry >= 0) return inCountry;
    const std::string wantedIdent = platform::Trimmed(ident);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (NavaidIdentOf(lines[i]) == wantedIdent) return static_cast<int>(i);
    }
    return -1;
}

AirportMatch FindAirportLine(const std::vector<std::string>& lines, const std::string& country,
                             const std::string& ident) {
    AirportMatch match;
    const std::string wantedCountry = platform::Trimmed(country);
    const std::string wantedIdent = platform::Trimmed(ident);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (AirportIdentOf(lines[i]) != wantedIdent) continue;
        const std::string lineCountry = AirportCountryOf(lines[i]);
        if (lineCountry == wantedCountry) {
            match.index = static_cast<int>(i);
            return match;
        }
        if (match.elsewhere < 0) {
            match.elsewhere = static_cast<int>(i);
            match.otherCountry = lineCountry;
        }
    }
    return match;
}

}  // namespace gathrel
