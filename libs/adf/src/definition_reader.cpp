#include <iterator>
#include <variant>

#include "adf/adventure_definition.h"
#include "adf/key_list.h"
#include "adf/keys.h"
#include "adf/route_file.h"
#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "definition_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace adf {
namespace {

bool Flag(const Definition& d, const Key& key) { return d.Value(key) == "1"; }
int Number(const Definition& d, const Key& key) { return platform::LeadingInt(d.Value(key)); }

void ReadChoice(const Definition& d, const Key& key, std::span<const char* const> names, int& choice) {
    if (int index = ChoiceIndex(d.Value(key), names); index >= 0) choice = index;
}

// The value line and the lines after it up to the next key line, each trimmed, joined
// by CR LF.
std::string Description(const Definition& d) {
    auto key = d.FindKey(keys::kDescription);
    if (!key) return {};
    std::string text;
    for (size_t i = *key + 1; i < d.Lines().size() && !IsKeyLine(d.Line(i)); ++i) {
        text += Trim(d.Line(i));
        text += "\r\n";
    }
    return std::string(Trim(text));
}

void ReadPerformance(const Definition& d, GeneralInfoValues& g) {
    const std::string value = d.Value(keys::kPerformance);
    for (int i = 0; i < static_cast<int>(std::size(kPerformanceChoices)); ++i) {
        const std::string prefix = std::string(kPerformanceChoices[i]) + "_";
        if (!value.starts_with(prefix)) continue;
        g.performance = i;
        if (i != kDefaultPerformanceChoice) g.performanceNumber = value.substr(prefix.size());
        return;
    }
}

// "hh:mm:ss"; any other text is 09:00:00.
TimeOfDay StartTime(const std::string& value) {
    if (value.size() != 8 || value[2] != ':' || value[5] != ':') return {};
    auto part = [&](size_t at) { return platform::ParseInt(value.substr(at, 2)); };
    auto hour = part(0), minute = part(3), second = part(6);
    if (!hour || !minute || !second || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59 || *second < 0 ||
        *second > 59)
        return {};
    return {*hour, *minute, *second};
}

void ReadGeneral(const Definition& d, GeneralInfoValues& g) {
    g.title = d.Value(keys::kTitle);
    g.description = Description(d);
    ReadChoice(d, keys::kSeason, kSeasonChoices, g.season);
    ReadChoice(d, keys::kLongitudeHemisphere, kLongitudeChoices, g.longitudeSide);
    ReadChoice(d, keys::kLatitudeHemisphere, kLatitudeChoices, g.latitudeSide);
    g.autopilotMaster = Flag(d, keys::kAutopilotMaster);
    g.smokeSystem = Flag(d, keys::kSmokeSystem);
    g.autoCoordination = Flag(d, keys::kAutoCoordination);
    g.airspeedIndicator = Flag(d, keys::kTrueAirspeed);
    ReadPerformance(d, g);
    g.startTime = StartTime(d.Value(keys::kStartTime));
    g.plane = std::string(Trim(d.Value(keys::kPlane)));
}

// Every key option with its key; an option on without a key reads as off.
void ReadAtc(const Definition& d, KeyCommandValues& k) {
    k.atcAlwaysContact = Flag(d, keys::kAtcAlwaysContact);
    k.showWhenWrong = Flag(d, keys::kShowWrong);
    k.holdingPatterns = Flag(d, keys::kHolding);
    k.landingEmergency = Flag(d, keys::kLandingEmergency);
    k.missedLanding = Flag(d, keys::kMissedLanding);
    k.coPilotLands = Flag(d, keys::kAutoland);
    k.coPilotVSpeeds = Flag(d, keys::kSpeedCalls);
    k.keyList.clear();
    for (const KeyOption& option : kKeyOptions) {
        const std::string key = d.Value(option.code, 2);
        const bool on = d.Value(option.code) == "1" && !key.empty() && !IsKeyLine(key);
        k.*(option.member) = on;
        if (on) SetKeyEntry(k.keyList, option.code, key);
    }
}

void ReadWeather(const Definition& d, WeatherValues& w) {
    w.mode = Number(d, keys::kWeatherMode) == 1 ? kBasicWeatherMode : kAdvancedWeatherMode;
    w.lightRain = Number(d, keys::kWeatherRain) == 1;
    w.noRain = !w.lightRain;
    w.lightWind = Number(d, keys::kWeatherWind) == 1;
    w.noWind = !w.lightWind;
    auto select = [](int choice, std::initializer_list<int*> group) {
        if (choice < 0 || static_cast<size_t>(choice) >= group.size()) return;
        int index = 0;
        for (int* member : group) *member = index++ == choice;
    };
    select(Number(d, keys::kWeatherVisibility), {&w.noVisibility, &w.goodVisibility, &w.averageVisibility});
    select(Number(d, keys::kWeatherClouds), {&w.noClouds, &w.lightClouds, &w.veryCloudy, &w.thunderstorm});
    select(Number(d, keys::kWeatherTurbulence), {&w.noTurbulence, &w.lightTurbulence, &w.heavyTurbulence});
    w.temperature = Number(d, keys::kWeatherTemperature);
    w.dayTimeVariation = Number(d, keys::kWeatherVariation);
}

void ReadEmergency(const Definition& d, EmergencyValues& e) {
    if (auto chance = platform::ParseInt(d.Value(keys::kFailureProbability));
        chance && *chance >= 0 && *chance <= kMaxFailureChance)
        e.failureChance = *chance;
    for (size_t i = 0; i < std::size(kFailureItems); ++i) e.*kFailureItems[i] = Flag(d, keys::kFailureKeys[i]);
    e.displayWhenFails = Flag(d, keys::kAnnounceFailure);
    const std::string crash = d.Value(keys::kCrash);
    if (crash.size() != 4 || crash[0] < '0' || crash[0] > '2') return;
    e.crashMode = crash[0] - '0';
    e.stressDamage = crash[1] == '1';
    e.offRunwayCrash = crash[2] == '1';
    e.collideWithScenery = crash[3] == '1';
}

void ReadPlane(const Definition& d, PlaneValues& plane) {
    PlanePerformance& p = plane.performance;
    p.planeName = d.Value(keys::kPlaneName);
    struct Field {
        const Key& key;
        int PlanePerformance::*member;
    };
    for (const Field& field :
         {Field{keys::kCruiseAltitude, &PlanePerformance::cruiseAltitude},
          Field{keys::kLandingSpeed, &PlanePerformance::landingSpeed}, Field{keys::kV1, &PlanePerformance::v1},
          Field{keys::kV2, &PlanePerformance::v2}, Field{keys::kVr, &PlanePerformance::vr}})
        if (auto number = platform::ParseInt(d.Value(field.key))) p.*field.member = *number;
    plane.enginesOff = Flag(d, keys::kEnginesOff);
}

void ReadBriefing(const Definition& d, BriefingValues& b) {
    b.giveTitle = d.IsOptionSet(keys::kBriefingShowsTitle);
    b.givePlaneName = d.IsOptionSet(keys::kBriefingShowsPlane);
    b.giveKeyDescriptions = d.IsOptionSet(keys::kBriefingListsKeys);
    b.giveEstimatedTime = d.IsOptionSet(keys::kBriefingShowsTime);
    b.giveDescription = d.IsOptionSet(keys::kBriefingShowsDescription);
    b.giveBriefing = d.IsOptionSet(keys::kBriefingShowsText);
    // An empty block stays empty; only a definition without the block gets the default.
    b.descriptionText = d.HasKey(keys::kBriefingDescriptionBegin) ? d.Block(keys::kBriefingDescriptionBegin)
                                                                  : kDefaultBriefingDescription;
    b.briefingText = d.HasKey(keys::kBriefingTextBegin) ? d.Block(keys::kBriefingTextBegin) : kDefaultBriefingText;
    if (const std::string given = d.Value(keys::kBriefingTimeGiven); !Trim(given).empty()) b.userEstimate = given;
}

// The slot names its airport as the route point does: by the trimmed ident.
std::string AirportIdent(const std::string& line) {
    char ident[aerodrex::airport_line::kIdent.size()] = {};
    GetAirportID(ident, line.c_str());
    return platform::Trimmed(ident);
}

// Slot n is the route's n-th airport: departures get SIDs, landing airports STARs.
void ReadLandingSlots(const Definition& d, LandingValues& landing) {
    landing.airports.assign(kLandingSlotCount, LandingSlot{});
    const RouteFile route = ReadRouteFile(d.Lines());
    size_t slot = 0;
    for (const RouteSection& section : route.sections) {
        const auto* airport = std::get_if<AirportSection>(&section);
        if (airport == nullptr) continue;
        if (slot >= landing.airports.size()) break;
        LandingSlot& s = landing.airports[slot];
        s.airportName = AirportIdent(airport->airportLine);
        s.type = slot % 2 == 0 ? "SID" : "STAR";
        // As the landing page keeps a choice: a procedure without legs is none.
        if (airport->procedure && !airport->procedure->ident.empty() && !airport->procedure->legs.empty()) {
            s.ident = airport->procedure->ident;
            s.legs = airport->procedure->legs;
            if (s.legs.size() > kPointsPerLandingSlot) s.legs.resize(kPointsPerLandingSlot);
        }
        ++slot;
    }
    landing.defaultLanding = Number(d, keys::kDefaultLanding) == 1;
}

}  // namespace

void ReadDefinition(const Definition& definition, WizardValues& values) {
    ReadGeneral(definition, values.general);
    ReadAtc(definition, values.keys);
    ReadWeather(definition, values.weather);
    ReadEmergency(definition, values.emergency);
    values.atc.noSound = definition.Value(keys::kSound) == "0";
    ReadPlane(definition, values.plane);
    ReadBriefing(definition, values.briefing);
    ReadLandingSlots(definition, values.landing);
}

int FindPlaneEntry(std::span<const std::string> planes, std::string_view name) {
    for (size_t i = 0; i < planes.size(); ++i)
        if (Trim(planes[i]) == Trim(name)) return static_cast<int>(i);
    return -1;
}

}  // namespace adf
