#include "flt_edits.h"

#include <cstdio>
#include <iterator>
#include <vector>

#include "adf/keys.h"
#include "adf/route_file.h"
#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "aerodrex/line_type.h"
#include "angle_separators.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "landing_block.h"
#include "platform/numbers.h"

namespace flitmark {
namespace {

namespace keys = adf::keys;

constexpr int kLowestClearedAltitude = 5000;
constexpr int kEngineCount = 4;

const char* const kCrashModes[] = {"Off", "Detect", "Analysis"};
// Crash options by their digit in the crash value, from the second on.
const char* const kCrashOptionKeys[] = {"AircraftDamage", "OffRunway", "WithOthers"};
const char* const kSeasons[] = {"Summer", "Winter", "Spring", "Autumn"};

// Engines off: each engine's levers, switches and RPM.
const FltEdit kEngineOff[] = {
    {"", "ThrottleLeverPct", "0.000000"}, {"", "PropellerLeverPct", "1.000000"}, {"", "MixtureLeverPct", "1.000000"},
    {"", "Pct Engine RPM", "0.000000"},   {"", "LeftMagneto", "False"},          {"", "RightMagneto", "False"},
    {"", "GeneratorSwitch", "False"},     {"", "CowlFlapPct", "1.000000"},       {"", "FuelPumpSwitch", "False"},
    {"", "ThrottleLeverPct", "0.000000"}, {"", "CarbHeat/DeiceSwitch", "False"},
};

std::string Format(const char* format, auto value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Trimmed(const char* text) {
    std::string s = text;
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A record field through its getter, which copies size characters and terminates them.
template <class Getter>
std::string Field(Getter getter, const std::string& line, size_t size) {
    std::vector<char> out(size + 1, '\0');
    getter(out.data(), line.c_str());
    return Trimmed(out.data());
}

int Digit(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

void AddCrash(const adf::Definition& definition, std::vector<FltEdit>& edits) {
    const std::string crash = ReadLineAfterLabel(definition, keys::kCrash);
    if (crash.empty()) return;
    const int mode = Digit(crash[0]);
    if (mode < static_cast<int>(std::size(kCrashModes)))
        edits.push_back({"Crash", "CrashDetection", kCrashModes[mode]});
    for (size_t i = 0; i < std::size(kCrashOptionKeys) && i + 1 < crash.size(); ++i)
        edits.push_back({"Crash", kCrashOptionKeys[i], Digit(crash[i + 1]) != 0 ? "True" : "False"});
}

void AddStartPosition(const adf::Definition& definition, std::vector<FltEdit>& edits) {
    using namespace aerodrex::airport_line;
    const adf::RouteFile route = adf::ReadRouteFile(definition.Lines());
    const auto* departure =
        route.sections.empty() ? nullptr : std::get_if<adf::AirportSection>(&route.sections.front());
    if (departure == nullptr) return;
    const std::string& line = departure->airportLine;
    std::string altitude = "+";
    altitude += Field(GetAirportElev, line, kElevation.size());
    const CAirportData landing = ReadLandingBlock(*departure);
    double heading = landing.runwayHeading + 180.0;
    if (heading > 360.0) heading -= 360.0;
    std::string latitude = landing.runwayBegin ? Field(GetAirportLatBeg, line, kRunwayStartLatitude.size())
                                               : Field(GetAirportLatEnd, line, kRunwayEndLatitude.size());
    std::string longitude = landing.runwayBegin ? Field(GetAirportLonBeg, line, kRunwayStartLongitude.size())
                                                : Field(GetAirportLonEnd, line, kRunwayEndLongitude.size());
    SwapAngleSeparators(latitude);
    SwapAngleSeparators(longitude);
    edits.push_back({"Plane", "Latitude", latitude});
    edits.push_back({"Plane", "Longitude", longitude});
    edits.push_back({"Plane", "Heading", Format("%f", heading)});
    edits.push_back({"Plane", "Altitude", altitude});
}

void AddAdf(const adf::Definition& definition, std::vector<FltEdit>& edits) {
    std::string ndb;
    if (!FindNdbLine(definition, ndb)) return;
    const double frequency =
        platform::LeadingDouble(Field(GetNavaidsFreq, ndb, beaconex::navaid_line::kFrequency.size()));
    edits.push_back({"Avionics", "ADFActive", Format("%07.02f", frequency)});
}

void AddEnginesOff(const adf::Definition& definition, std::vector<FltEdit>& edits) {
    if (ReadLineAfterLabel(definition, keys::kEnginesOff) != "1") return;
    for (int engine = 1; engine <= kEngineCount; ++engine) {
        const std::string section = Format("Engine Parameters.%d", engine);
        for (const FltEdit& edit : kEngineOff) edits.push_back({section, edit.key, edit.value});
    }
}

void AddSeasonAndYear(const adf::Definition& definition, int year, std::vector<FltEdit>& edits) {
    const std::string season = ReadLineAfterLabel(definition, keys::kSeason);
    for (const char* known : kSeasons)
        if (season == known) edits.push_back({"DateTimeSeason", "Season", season});
    edits.push_back({"DateTimeSeason", "Year", Format("%d", year)});
}

void AddFlightPlan(const std::vector<std::string>& waypoints, std::vector<FltEdit>& edits) {
    std::string joined;
    for (const std::string& line : waypoints) joined += line;
    edits.push_back({"[ATC_Aircraft.0]", "Waypoint.0", joined});
    edits.push_back({"[ATC_Aircraft.0]", "NumberofWaypoints", Format("%zu", waypoints.size())});
}

// A cruise altitude that is no number reads as 0 and is cleared at the lowest altitude.
void AddClearedAltitude(const adf::Definition& definition, std::vector<FltEdit>& edits) {
    std::string cruise = ReadLineAfterLabel(definition, keys::kCruiseAltitude);
    if (platform::LeadingInt(cruise) < kLowestClearedAltitude) cruise = Format("%d", kLowestClearedAltitude);
    edits.push_back({"[ATC_Aircraft.0]", "AltCleared", cruise});
}

}  // namespace

std::string ReadLineAfterLabel(const adf::Definition& definition, std::string_view label, size_t n) {
    return definition.Value(label, n);
}

bool FindNdbLine(const adf::Definition& definition, std::string& line) {
    for (const std::string& candidate : definition.Lines()) {
        if (GetLineType(candidate.c_str()) != kNavaidLineType) continue;
        if (Field(GetNavaidsType, candidate, beaconex::navaid_line::kType.size()) == "NDB") {
            line = candidate;
            return true;
        }
    }
    return false;
}

std::vector<FltEdit> PlanFltEdits(const adf::Definition& definition, const std::vector<std::string>* waypoints,
                                  int year) {
    std::vector<FltEdit> edits;
    edits.push_back({"Main", "Title", ReadLineAfterLabel(definition, keys::kTitle)});
    edits.push_back({"Main", "Description", ReadLineAfterLabel(definition, keys::kDescription) + "\n"});
    AddCrash(definition, edits);
    AddStartPosition(definition, edits);
    if (std::string plane = ReadLineAfterLabel(definition, keys::kPlane); !plane.empty())
        edits.push_back({"Plane", "Aircraft", plane});
    AddAdf(definition, edits);
    AddEnginesOff(definition, edits);
    AddSeasonAndYear(definition, year, edits);
    if (waypoints) AddFlightPlan(*waypoints, edits);
    AddClearedAltitude(definition, edits);
    return edits;
}

}  // namespace flitmark
