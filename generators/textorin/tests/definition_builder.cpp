#include "definition_builder.h"

#include <algorithm>
#include <stdexcept>

namespace textorin::testing {

using namespace adf::keys;

DefinitionBuilder::DefinitionBuilder() {
    early_ = {
        {kBriefingShowsTitle, {"1"}},
        {kBriefingShowsPlane, {"1"}},
        {kBriefingListsKeys, {"1"}},
        {kBriefingShowsTime, {"1"}},
        {kBriefingTimeGiven, {"1 hour"}},
        {kBriefingShowsDescription, {"1"}},
        {kBriefingDescriptionBegin, {"A briefing description"}},
        {kBriefingDescriptionEnd, {}},
        {kBriefingShowsText, {"1"}},
        {kBriefingTextBegin, {"Give a pre-flight briefing to the user"}},
        {kBriefingTextEnd, {}},
        {kPlaneName, {"Cessna Skylane"}},
        {kCruiseAltitude, {"8000"}},
        {kLandingSpeed, {"120"}},
        {kV1, {"55"}},
        {kV2, {"65"}},
        {kVr, {"60"}},
        {kEnginesOff, {"0"}},
        {kTitle, {"Trip"}},
        {kDescription, {"A short trip"}},
        {kSeason, {"Summer"}},
        {kLongitudeHemisphere, {"West"}},
        {kLatitudeHemisphere, {"North"}},
        {kAutopilotMaster, {"0"}},
        {kSmokeSystem, {"0"}},
        {kAutoCoordination, {"0"}},
        {kTrueAirspeed, {"0"}},
        {kPerformance, {"Medium_3"}},
        {kStartTime, {"07:30:00"}},
        {kPlane, {"C182"}},
        {kAlwaysGivePosition, {"0"}},
        {kAtcAlwaysContact, {"0"}},
        {kAtcHelp, {"0"}},
        {kShowWrong, {"0"}},
        {kHolding, {"0"}},
        {kLandingEmergency, {"0"}},
        {kAdvice, {"0"}},
        {kClimbRequest, {"0"}},
        {kDescendRequest, {"0"}},
        {kCourseChangeRequest, {"0"}},
        {kMissedLanding, {"0"}},
        {kAutoland, {"0"}},
        {kPushBack, {"0"}},
        {kRestart, {"0"}},
        {kQuit, {"0"}},
        {kSpeedCalls, {"0"}},
    };
    late_ = {
        {kWeatherMode, {"0"}},         {kWeatherRain, {"0"}},      {kWeatherWind, {"0"}},
        {kWeatherVisibility, {"0"}},   {kWeatherClouds, {"0"}},    {kWeatherTurbulence, {"0"}},
        {kWeatherTemperature, {"15"}}, {kWeatherVariation, {"5"}}, {kDefaultLanding, {"0"}},
        {kFailureProbability, {"5"}},
    };
    for (const adf::Key& failure : kFailureKeys) late_.push_back({failure, {"0"}});
    late_.push_back({kAnnounceFailure, {"0"}});
    late_.push_back({kCrash, {"0000"}});
    late_.push_back({kSound, {"0"}});
}

DefinitionBuilder::KeyValue& DefinitionBuilder::Find(std::vector<KeyValue>& keys, const adf::Key& key) {
    auto it = std::find_if(keys.begin(), keys.end(), [&](const KeyValue& k) { return k.key.Line() == key.Line(); });
    if (it == keys.end()) throw std::invalid_argument("no key " + key.Line());
    return *it;
}

DefinitionBuilder& DefinitionBuilder::Set(const adf::Key& key, const std::string& value) {
    Find(early_, key).value = {value};
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Key(const adf::Key& key, const std::string& keyText) {
    Find(early_, key).value = {"1", keyText};
    return *this;
}

DefinitionBuilder& DefinitionBuilder::SetLate(const adf::Key& key, const std::string& value) {
    Find(late_, key).value = {value};
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Description(const std::vector<std::string>& lines) {
    Find(early_, kDescription).value = lines;
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Airport(const RouteAirport& a) {
    adf::AirportSection section{.airportLine = a.line, .runwayEnd = !a.runwayBegin, .runwayHeading = a.runwayHeading};
    if (!a.sidStarLegs.empty())
        section.procedure = adf::Procedure{.kind = a.star ? adf::ProcedureKind::Star : adf::ProcedureKind::Sid,
                                           .ident = "PROC1",
                                           .name = "Procedure one",
                                           .legs = a.sidStarLegs};
    section.userWaypoints = a.extraPoints;
    if (!a.ilsLine.empty()) section.ilsLine = a.ilsLine;
    route_.sections.emplace_back(std::move(section));
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Vor(const std::string& line, int radial, bool vor1, bool to) {
    route_.sections.emplace_back(adf::NavaidSection{.navaidLine = line,
                                                    .radial = radial,
                                                    .role = vor1 ? adf::VorRole::Vor1 : adf::VorRole::Vor2,
                                                    .direction = to ? adf::VorDirection::To : adf::VorDirection::From});
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Ndb(const std::string& line) {
    route_.sections.emplace_back(adf::NavaidSection{.navaidLine = line});
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Holding(int number, int value, adf::HoldingPlace place, std::string navaidLine) {
    route_.holdings.push_back({.number = number, .value = value, .place = place, .navaidLine = std::move(navaidLine)});
    return *this;
}

DefinitionBuilder& DefinitionBuilder::CorrectedStart(double latitude, double longitude) {
    route_.correctedStart = adf::CorrectedStart{latitude, longitude};
    return *this;
}

std::vector<std::string> DefinitionBuilder::Lines() const {
    std::vector<std::string> lines;
    auto append = [&](const std::vector<KeyValue>& keys) {
        for (const auto& k : keys) {
            lines.push_back(k.key.Line());
            lines.insert(lines.end(), k.value.begin(), k.value.end());
        }
    };
    append(early_);
    const std::vector<std::string> route = adf::WriteRouteFile(route_);
    lines.insert(lines.end(), route.begin(), route.end());
    append(late_);
    return lines;
}

adf::Definition DefinitionBuilder::Build() const {
    adf::Definition definition;
    definition.SetLines(Lines());
    return definition;
}

std::string DefinitionBuilder::Text() const {
    std::string text;
    for (const auto& line : Lines()) text += line + "\n";
    return text;
}

}  // namespace textorin::testing
