#include "map/sidstar_lookups.h"

#include <cctype>

#include "map/sidstar_runways.h"
#include "navdb/angle_field.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr const char* kChooserItemFormat = "%s(%s/%s)%50s%07d";
constexpr std::size_t kChooserIndexDigits = 7;
constexpr const char* kNoDesignator = "";

std::string UpperTrimmed(const char* text) { return platform::UpperCased(platform::Trimmed(text)); }

double RunwayHeading(const CAirportArray& airports, int line) {
    return platform::LeadingDouble(airports.GetARnw(line));
}

}  // namespace

// SignedArcSeconds counts S and W negative.
double LatitudeDegrees(const char* text) { return SignedArcSeconds(SplitAngleField(text, 0)) / kArcSecondsPerDegree; }

double WestLongitudeDegrees(const char* text) {
    return -SignedArcSeconds(SplitAngleField(text, 0)) / kArcSecondsPerDegree;
}

LatLon AirportLinePosition(const CAirportArray& airports, int line) {
    return {LatitudeDegrees(airports.GetALat(line)), WestLongitudeDegrees(airports.GetALon(line))};
}

LatLon NavaidPosition(const CNavaidArray& navaids, int navaid) {
    return {LatitudeDegrees(navaids.GetNLat(navaid)), WestLongitudeDegrees(navaids.GetNLon(navaid))};
}

std::vector<std::string> RunwayDesignatorsOfLine(const CAirportArray& airports, int line) {
    return RunwayLineDesignators(airports.GetARnwSide(line), RunwayHeading(airports, line), airports.GetAMagVar(line));
}

std::string AirportChooserItem(const CAirportArray& airports, int line) {
    const std::vector<std::string> designators = RunwayDesignatorsOfLine(airports, line);
    const std::string& thisEnd = designators.front();
    const std::string& otherEnd = designators[designators.size() / 2];
    return platform::Format(kChooserItemFormat, UpperTrimmed(airports.GetAName(line)).c_str(), thisEnd.c_str(),
                            otherEnd.c_str(), kNoDesignator, line);
}

std::optional<int> AirportChooserIndex(const std::string& item) {
    if (item.size() < kChooserIndexDigits) return std::nullopt;
    const std::string digits = item.substr(item.size() - kChooserIndexDigits);
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    return platform::LeadingInt(digits);
}

std::vector<NavaidChoice> NavaidChoices(const NavDatabase& database, const std::string& ident) {
    std::vector<NavaidChoice> choices;
    const std::string wanted = platform::UpperCased(platform::Trimmed(ident));
    for (const int i : database.NavaidsWithIdent(wanted)) {
        choices.push_back({kNavaidChoice, UpperTrimmed(database.navaidLines.GetNName(i)), wanted, i});
    }
    const CAirportArray& airports = database.airportLines;
    for (const int line : database.AirportLinesWithIdent(wanted, airports.GetSize())) {
        choices.push_back({kAirportChoice, UpperTrimmed(airports.GetAName(line)), wanted, line});
    }
    return choices;
}

}  // namespace trevalo
