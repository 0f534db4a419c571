// The sections that do not depend on the route: header, title, hemispheres,
// performance, situation, season, aircraft setup, time, subEND and the main loop.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "../quote_safe.h"
#include "../sections.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kSeasonDraw =
    "\tDECLARE dSeason\n"
    "\t\tdSeason = RANDOM\n"
    "\t\tif dSeason >= 0 AND dSeason <.25\n"
    "\t\t\tSEASON = 0\n"
    "\t\telseif dSeason >= .25 AND dSeason <.5\n"
    "\t\t\tSEASON = 1\n"
    "\t\telseif dSeason >= .75 AND dSeason < 1\n"
    "\t\t\tSEASON = 3\n"
    "\t\telse\n"
    "\t\t\tSEASON = 2\t\t'Default (Summer)\n"
    "\t\tendif\n";

constexpr std::string_view kPerformanceLevels[] = {"LOW", "MEDIUM", "HIGH", "FRAME"};
constexpr const char* kDefaultPerformance = "\tPERFORMANCE HIGH 5\n";

struct AircraftSwitch {
    adf::Key code;
    const char* variable;
};
constexpr AircraftSwitch kAircraftSwitches[] = {
    {keys::kAutopilotMaster, "AUTOPILOT_MASTER"},
    {keys::kSmokeSystem, "SMOKE_SYSTEM_ON"},
    {keys::kAutoCoordination, "AUTO_COORDINATION"},
    {keys::kTrueAirspeed, "AIRSPEED_INDICATOR_TAS"},
};

constexpr const char* kAdviceBindings =
    "'\n' Advices\n'\n"
    "\tONSTALL GOSUB subRecover\n"
    "\tONEXP_TRUE ANGLE_OF_ATTACK > 20 GOSUB subHightAoA\n"
    "\tONEXP_TRUE GEAR_CONTROL = 1 AND PLANE_ALT >= GROUND_ALTITUDE + 50  GOSUB subGearUp\n"
    "\tONEXP_TRUE GEAR_CONTROL = 0 AND PLANE_ALT <= GROUND_ALTITUDE + 600 GOSUB subGearUp\n"
    "\tONEXP_TRUE INRANGE( PLANE_ALT, GROUND_ALTITUDE+90, GROUND_ALTITUDE+110) GOSUB sub100\n"
    "\tONEXP_TRUE PLANE_ALT < 10100 AND VELOCITY_INDICATED > 255 AND ELAPSED_TIME > iFlightSpeed GOSUB "
    "subSpeedBelow250\n";

constexpr const char* kFrequencyAndEmergencyEvents =
    "'\n' Frequencies\n'\n"
    "\tGOSUB subSetFreq\n\tONEXP_CHANGE COM_FREQ GOSUB subCOMChange\n"
    "'\n' Emergencies\n'\n\tONEXP_TRUE (ELAPSED_TIME > iEmer_Time) GOSUB subEmergency\n";

constexpr const char* kNavNumberCall =
    "'\n'Check that we are doing the correct VOR/NDB\n'See the function for more info\n\tGOSUB subNavNumber\n";

struct SpeedCall {
    adf::Key code;
    const char* label;
    const char* sound;
    const char* words;
};
constexpr SpeedCall kSpeedCalls[] = {
    {keys::kV1, "subSpeedV1", "ADVS003", "V1"},
    {keys::kV2, "subSpeedV2", "ADVS004", "V2"},
    {keys::kVr, "subSpeedVr", "ADVS005", "Rotate"},
};

// Hour, minute and second of a time of day "hh:mm:ss", normalised to one day as a
// time on a fixed date would be.
struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

TimeOfDay ParseTimeOfDay(const std::string& text) {
    auto part = [&](size_t from, size_t count) -> long long {
        return from < text.size() ? platform::LeadingInt(text.substr(from, count)) : 0;
    };
    constexpr long long kDay = 24 * 3600;
    long long seconds = part(0, 2) * 3600 + part(3, 2) * 60 + part(6, std::string::npos);
    seconds = ((seconds % kDay) + kDay) % kDay;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

void WriteSpeedEvents(GenerationRun& run) {
    run.out.WriteLine("'\n' Speed events\n'\n");
    for (const SpeedCall& call : kSpeedCalls)
        run.out.WriteLine("\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=" + run.Value(call.code) + " GOSUB " +
                          call.label + "\n");
}

void WriteSelectedTime(GenerationRun& run) {
    for (size_t key : run.adf.FindKeys(keys::kStartTime)) {
        TimeOfDay time = ParseTimeOfDay(run.adf.Line(key + 1));
        run.out.WriteLine("'\tSelected Time\n");
        run.out.Printf("\tHOUR = %d\n", time.hour);
        run.out.Printf("\tMINUTE = %d\n", time.minute);
        run.out.Printf("\tSECOND = %d\n", time.second);
    }
}

bool IsNextKeyLine(const std::string& line) {
    return line.find('\t') != std::string::npos && line.find('_') != std::string::npos;
}

}  // namespace

void WriteFileHeader(GenerationRun& run) {
    run.out.WriteRule();
    run.out.WriteLine("'\n");
    run.out.WriteLine("'\tName:");
    for (size_t key : run.adf.FindKeys(keys::kTitle)) run.out.WriteLine(" " + run.adf.Line(key + 1) + "\n");
    run.out.WriteRule();
    run.out.WriteBlankLine();
}

void WriteTitleAndDescription(GenerationRun& run) {
    run.out.WriteBanner("Title & Description");
    run.out.WriteBlankLine();
    run.out.WriteLine("\tTITLE");
    for (size_t key : run.adf.FindKeys(keys::kTitle))
        run.out.WriteLine(" \"" + QuoteSafe(run.adf.Line(key + 1)) + "\"\n");
    // Without a title the statement still needs its text and its line end.
    if (!run.adf.HasKey(keys::kTitle)) run.out.WriteLine(" \"\"\n");
    const auto& lines = run.adf.Lines();
    for (size_t key : run.adf.FindKeys(keys::kDescription)) {
        for (size_t i = key + 1; i < lines.size() && !IsNextKeyLine(lines[i]); ++i)
            run.out.WriteLine("\tDESCRIPTION \"" + QuoteSafe(platform::Trimmed(lines[i])) + "\"\n");
    }
}

void WriteHemisphereLines(GenerationRun& run) {
    for (size_t key : run.adf.FindKeys(keys::kLatitudeHemisphere)) {
        run.flags.north = run.adf.Line(key + 1) != "South";
        run.out.WriteLine(run.flags.north ? "\tNORTH_LATITUDE\n" : "\tSOUTH_LATITUDE\n");
    }
    for (size_t key : run.adf.FindKeys(keys::kLongitudeHemisphere)) {
        run.flags.west = run.adf.Line(key + 1) != "East";
        run.out.WriteLine(run.flags.west ? "\tWEST_LONGITUDE\n" : "\tEAST_LONGITUDE\n");
    }
}

void WritePerformance(GenerationRun& run) {
    for (size_t key : run.adf.FindKeys(keys::kPerformance)) {
        const std::string value = platform::UpperCased(run.adf.Line(key + 1));
        const size_t underscore = value.find('_');
        const std::string level = value.substr(0, underscore);
        const std::string number = underscore == std::string::npos ? "" : value.substr(underscore + 1);
        const std::optional<int> parsed = platform::ParseInt(number);
        // "Default_", another word or a number that is none gives the simulator's default.
        const bool known = std::find(std::begin(kPerformanceLevels), std::end(kPerformanceLevels), level) !=
                           std::end(kPerformanceLevels);
        if (!known || !parsed || *parsed < 0)
            run.out.WriteLine(kDefaultPerformance);
        else
            run.out.WriteLine("\tPERFORMANCE " + level + " " + std::to_string(*parsed) + "\n");
    }
}

void WriteLoadSituation(GenerationRun& run) {
    if (run.adf.HasKey(keys::kTitle))
        run.out.WriteLine("\tLOAD_SITUATION \"" + QuoteSafe(run.Value(keys::kTitle)) + "\"\n");
    run.out.WriteLine("\tWAIT 5\n");
}

void WriteSeasonSection(GenerationRun& run) {
    std::string season = run.Value(keys::kSeason);
    run.out.WriteBanner("Set Season of year");
    if (season == "Random") run.out.WriteLine(kSeasonDraw);
}

void WriteAircraftSetup(GenerationRun& run) {
    run.out.WriteBanner("Aircraft Setup");
    for (const AircraftSwitch& s : kAircraftSwitches)
        run.out.WriteLine(std::string("\t") + s.variable + (run.IsOptionSet(s.code) ? " = TRUE\n" : " = FALSE\n"));
    run.out.WriteLine("'TRANS_FREQ = 12000\n'COM_FREQ = 123.0\n");
    run.out.WriteBlankLine();
    WriteSelectedTime(run);
}

void WriteSubEnd(GenerationRun& run) {
    run.out.WriteLine("subEND:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("\tEND\n");
    run.out.WriteBlankLine();
}

void WriteSubRun(GenerationRun& run) {
    run.out.WriteLine("subRUNSelVal:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("'\tOriginal values\n'\t subTakeOff will clear all the events\n");
    // subTakeOff exists only for a route with a landing.
    if (run.HasLanding()) run.out.WriteLine("\tGOSUB subTakeOff\n");
    if (run.IsOptionSet(keys::kShowWrong)) run.out.WriteLine(kAdviceBindings);
    if (run.IsOptionSet(keys::kSpeedCalls)) WriteSpeedEvents(run);
    run.out.WriteLine(kFrequencyAndEmergencyEvents);
    run.out.WriteBlankLine();
    if (run.IsOptionSet(keys::kSound)) run.out.WriteLine("'\n' Sound\n'\n\tGOSUB subSound\n");
    run.out.WriteBlankLine();
    run.out.WriteLine(kNavNumberCall);
    run.out.WriteLine("RETURN\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("subRUN:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("\tGOSUB subRUNSelVal\n\tWHILE TRUE\t\t'Infinite Loop\n\tENDWHILE\n");
    run.out.WriteBlankLine();
}

void WriteSubSpeedCalls(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteBanner("Function(s) to Play sounds at various speeds");
    run.out.WriteBlankLine();
    for (const SpeedCall& call : kSpeedCalls) {
        run.out.Printf("%s:\n", call.label);
        run.out.WriteBlankLine();
        run.out.Printf(
            "\tONEXP_CLEAR %s\n\tdSound_play = ELAPSED_TIME+ 10\n\tPLAY \"\"\n\tPLAY \"%s\"\n\tPRINT "
            "\"Co-pilot:%s\"\n\n",
            call.label, call.sound, call.words);
        run.out.WriteLine("RETURN\n");
        run.out.WriteBlankLine();
    }
}

}  // namespace textorin
