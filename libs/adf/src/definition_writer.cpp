#include <cstdio>
#include <iterator>

#include "adf/adventure_definition.h"
#include "adf/key_list.h"
#include "adf/keys.h"
#include "definition_text.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace adf {
namespace {

using Lines = std::vector<std::string>;

void Row(Lines& lines, const Key& key, std::string value) {
    lines.push_back(key.Line());
    lines.push_back(std::move(value));
}
void FlagRow(Lines& lines, const Key& key, int flag) { Row(lines, key, FlagText(flag)); }
void NumberRow(Lines& lines, const Key& key, int number) { Row(lines, key, platform::IntText(number)); }

// The text as the block's lines: trailing white space goes, as the reader drops it.
void BlockRows(Lines& lines, const Key& begin, const Key& end, std::string_view text) {
    lines.push_back(begin.Line());
    size_t last = text.find_last_not_of(" \t\r\n");
    for (std::string& line : FreeTextLines(last == std::string_view::npos ? "" : text.substr(0, last + 1)))
        lines.push_back(std::move(line));
    lines.push_back(end.Line());
}

// Each line trimmed and the whole trimmed, as the reader gives it back.
Lines DescriptionLines(std::string_view text) {
    Lines lines;
    // Trimming may bring a guarded line back to the margin, so it is guarded again.
    for (const std::string& line : FreeTextLines(Trim(text))) lines.push_back(FreeTextLine(Trim(line)));
    return lines;
}

// "1" and the key, or "0" when the option is off or has no key.
void KeyOptionRow(Lines& lines, const Key& key, const KeyCommandValues& values) {
    const KeyOption* option = FindKeyOption(key.code);
    const int at = FindKeyEntry(values.keyList, key.code);
    const std::string_view pressed = at < 0 ? std::string_view{} : KeyOfEntry(values.keyList[static_cast<size_t>(at)]);
    if (option == nullptr || values.*(option->member) == 0 || pressed.empty()) {
        Row(lines, key, "0");
        return;
    }
    Row(lines, key, "1");
    lines.push_back(FreeTextLine(pressed));
}

std::string EstimateGiven(const BriefingValues& briefing) {
    const std::string_view user = Trim(briefing.userEstimate);
    return FreeTextLine(!user.empty() && user != kNoEstimate ? user : Trim(briefing.computedEstimate));
}

std::string PerformanceText(const GeneralInfoValues& general) {
    if (general.performance == kDefaultPerformanceChoice) return "Default_";
    std::string name = ChoiceText(general.performance, kPerformanceChoices);
    return name.empty() ? name : name + "_" + FreeTextLine(general.performanceNumber);
}

std::string TimeText(const TimeOfDay& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

// Exactly one choice of a group is set; the first set one counts.
int FirstSet(std::initializer_list<int> flags) {
    int index = 0;
    for (int flag : flags) {
        if (flag != 0) return index;
        ++index;
    }
    return 0;
}

std::string CrashText(const EmergencyValues& emergency) {
    if (emergency.crashMode < kIgnoreCrash || emergency.crashMode > kDetectCrashAndShowGraph) return {};
    return platform::IntText(emergency.crashMode) + FlagText(emergency.stressDamage) +
           FlagText(emergency.offRunwayCrash) + FlagText(emergency.collideWithScenery);
}

}  // namespace

void AppendBriefingSections(const WizardValues& values, Lines& lines) {
    const BriefingValues& b = values.briefing;
    FlagRow(lines, keys::kBriefingShowsTitle, b.giveTitle);
    FlagRow(lines, keys::kBriefingShowsPlane, b.givePlaneName);
    FlagRow(lines, keys::kBriefingListsKeys, b.giveKeyDescriptions);
    FlagRow(lines, keys::kBriefingShowsTime, b.giveEstimatedTime);
    Row(lines, keys::kBriefingTimeGiven, EstimateGiven(b));
    FlagRow(lines, keys::kBriefingShowsDescription, b.giveDescription);
    BlockRows(lines, keys::kBriefingDescriptionBegin, keys::kBriefingDescriptionEnd, b.descriptionText);
    FlagRow(lines, keys::kBriefingShowsText, b.giveBriefing);
    BlockRows(lines, keys::kBriefingTextBegin, keys::kBriefingTextEnd, b.briefingText);
}

void AppendPlaneSections(const WizardValues& values, Lines& lines) {
    const PlanePerformance& p = values.plane.performance;
    Row(lines, keys::kPlaneName, FreeTextLine(p.planeName));
    NumberRow(lines, keys::kCruiseAltitude, p.cruiseAltitude);
    NumberRow(lines, keys::kLandingSpeed, p.landingSpeed);
    NumberRow(lines, keys::kV1, p.v1);
    NumberRow(lines, keys::kV2, p.v2);
    NumberRow(lines, keys::kVr, p.vr);
    FlagRow(lines, keys::kEnginesOff, values.plane.enginesOff);
}

void AppendGeneralSections(const WizardValues& values, Lines& lines) {
    const GeneralInfoValues& g = values.general;
    Row(lines, keys::kTitle, FreeTextLine(g.title));
    lines.push_back(keys::kDescription.Line());
    for (std::string& line : DescriptionLines(g.description)) lines.push_back(std::move(line));
    Row(lines, keys::kSeason, ChoiceText(g.season, kSeasonChoices));
    Row(lines, keys::kLongitudeHemisphere, ChoiceText(g.longitudeSide, kLongitudeChoices));
    Row(lines, keys::kLatitudeHemisphere, ChoiceText(g.latitudeSide, kLatitudeChoices));
    FlagRow(lines, keys::kAutopilotMaster, g.autopilotMaster);
    FlagRow(lines, keys::kSmokeSystem, g.smokeSystem);
    FlagRow(lines, keys::kAutoCoordination, g.autoCoordination);
    FlagRow(lines, keys::kTrueAirspeed, g.airspeedIndicator);
    Row(lines, keys::kPerformance, PerformanceText(g));
    Row(lines, keys::kStartTime, TimeText(g.startTime));
    Row(lines, keys::kPlane, FreeTextLine(Trim(g.plane).empty() ? kFallbackPlane : Trim(g.plane)));
}

void AppendAtcSections(const WizardValues& values, Lines& lines) {
    const KeyCommandValues& k = values.keys;
    KeyOptionRow(lines, keys::kAlwaysGivePosition, k);
    FlagRow(lines, keys::kAtcAlwaysContact, k.atcAlwaysContact);
    KeyOptionRow(lines, keys::kAtcHelp, k);
    FlagRow(lines, keys::kShowWrong, k.showWhenWrong);
    FlagRow(lines, keys::kHolding, k.holdingPatterns);
    FlagRow(lines, keys::kLandingEmergency, k.landingEmergency);
    KeyOptionRow(lines, keys::kAdvice, k);
    KeyOptionRow(lines, keys::kClimbRequest, k);
    KeyOptionRow(lines, keys::kDescendRequest, k);
    KeyOptionRow(lines, keys::kCourseChangeRequest, k);
    FlagRow(lines, keys::kMissedLanding, k.missedLanding);
    FlagRow(lines, keys::kAutoland, k.coPilotLands);
    KeyOptionRow(lines, keys::kPushBack, k);
    KeyOptionRow(lines, keys::kRestart, k);
    KeyOptionRow(lines, keys::kQuit, k);
    FlagRow(lines, keys::kSpeedCalls, k.coPilotVSpeeds);
}

void AppendRoutePart(std::span<const std::string> routeLines, Lines& lines) {
    lines.insert(lines.end(), routeLines.begin(), routeLines.end());
}

void AppendWeatherSections(const WizardValues& values, Lines& lines) {
    const WeatherValues& w = values.weather;
    NumberRow(lines, keys::kWeatherMode, w.mode == kBasicWeatherMode ? 1 : 0);
    NumberRow(lines, keys::kWeatherRain, w.noRain != 0 ? 0 : 1);
    NumberRow(lines, keys::kWeatherWind, w.noWind != 0 ? 0 : 1);
    NumberRow(lines, keys::kWeatherVisibility, FirstSet({w.noVisibility, w.goodVisibility, w.averageVisibility}));
    NumberRow(lines, keys::kWeatherClouds, FirstSet({w.noClouds, w.lightClouds, w.veryCloudy, w.thunderstorm}));
    NumberRow(lines, keys::kWeatherTurbulence, FirstSet({w.noTurbulence, w.lightTurbulence, w.heavyTurbulence}));
    NumberRow(lines, keys::kWeatherTemperature, w.temperature);
    NumberRow(lines, keys::kWeatherVariation, w.dayTimeVariation);
}

void AppendSidStarSection(const WizardValues& values, Lines& lines) {
    NumberRow(lines, keys::kDefaultLanding, values.landing.defaultLanding != 0 ? 1 : 0);
}

void AppendEmergencySections(const WizardValues& values, Lines& lines) {
    const EmergencyValues& e = values.emergency;
    NumberRow(lines, keys::kFailureProbability, e.failureChance);
    static_assert(std::size(keys::kFailureKeys) == std::size(kFailureItems));
    for (size_t i = 0; i < std::size(kFailureItems); ++i) FlagRow(lines, keys::kFailureKeys[i], e.*kFailureItems[i]);
    FlagRow(lines, keys::kAnnounceFailure, e.displayWhenFails);
    Row(lines, keys::kCrash, CrashText(e));
}

void AppendSoundSection(const WizardValues& values, std::string_view baseDirectory, Lines& lines) {
    Row(lines, keys::kSound, values.atc.noSound != 0 ? "0" : FreeTextLine(std::string(baseDirectory) + "Wav\\"));
}

bool PlaneDetailsEntered(const WizardValues& values) {
    const PlanePerformance& p = values.plane.performance;
    if (p.cruiseAltitude == kNotSet) return false;
    if (values.keys.coPilotVSpeeds == 0) return true;
    return p.v1 != kNotSet && p.v2 != kNotSet && p.vr != kNotSet;
}

Lines ComposeDefinition(const WizardValues& values, std::span<const std::string> routeLines,
                        std::string_view baseDirectory) {
    Lines lines;
    AppendBriefingSections(values, lines);
    AppendPlaneSections(values, lines);
    AppendGeneralSections(values, lines);
    AppendAtcSections(values, lines);
    AppendRoutePart(routeLines, lines);
    AppendWeatherSections(values, lines);
    AppendSidStarSection(values, lines);
    AppendEmergencySections(values, lines);
    AppendSoundSection(values, baseDirectory, lines);
    return lines;
}

bool WriteDefinitionFile(const std::string& windowsPath, std::span<const std::string> lines) {
    return platform::WriteLines(windowsPath, std::vector<std::string>(lines.begin(), lines.end()));
}

}  // namespace adf
