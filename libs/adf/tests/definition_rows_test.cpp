#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "adf/adventure_definition.h"
#include "adf/key_list.h"

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kBase = "C:\\Quillet\\";

Lines Compose(const adf::WizardValues& values, const Lines& route = {"NAVAIDINFO_300:", "x", "[ENDSECTION]"}) {
    return adf::ComposeDefinition(values, route, kBase);
}

// The n lines after the key line.
Lines After(const Lines& lines, const std::string& keyLine, size_t n) {
    auto it = std::find(lines.begin(), lines.end(), keyLine);
    if (it == lines.end()) return {"<no " + keyLine + ">"};
    Lines out;
    for (++it; it != lines.end() && out.size() < n; ++it) out.push_back(*it);
    return out;
}

TEST(DefinitionRows, DefaultsInTableOrder) {
    const Lines expected = {
        "\tTITLE_900:",
        "1",
        "\tPLANE_901:",
        "1",
        "\tKEYS_902:",
        "1",
        "\tTIME_903:",
        "1",
        "\tTIME_903_GIVEN:",
        "N/A",
        "\tDESC_904:",
        "1",
        "\tDESC_904_BEG:",
        adf::kDefaultBriefingDescription,
        "\tDESC_904_END:",
        "\tBRIEF_905:",
        "1",
        "\tBRIEF_905_BEG:",
        "Give a pre-flight briefing to the user",
        "\tBRIEF_905_END:",
        "\tPLANE_800:",
        "",
        "\tCRUISE_801:",
        "-1",
        "\tLANDSPEED_802:",
        "-1",
        "\tV1_803:",
        "-1",
        "\tV2_804:",
        "-1",
        "\tVR_805:",
        "-1",
        "\tENGINEOFF_899:",
        "0",
        "\tTITLE_000:",
        "",
        "\tDESCRIPTION_001:",
        "",
        "\tSEASON_002:",
        "Random",
        "\tLONGITUDE_003:",
        "West",
        "\tLATITUDE_004:",
        "North",
        "\tAUTOMASTER_005:",
        "0",
        "\tSMOKESYS_006:",
        "0",
        "\tAUTOCOORD_007:",
        "1",
        "\tAIR_SP_IND_008:",
        "0",
        "\tPERFORMANCE_009:",
        "High_5",
        "\tTIME_010:",
        "09:00:00",
        "\tPLANE_011:",
        "C182",
        "\tALWAYSPOS_100:",
        "1",
        "CTRL \"p\"",
        "\tATCALWAYSCONTACT_101:",
        "1",
        "\tATC_HELP_102:",
        "0",
        "\tSHOW_WRONG_103:",
        "1",
        "\tATC_GIVE_HOLDING_104:",
        "0",
        "\tEMERGENCY_105:",
        "0",
        "\tADVICE_106:",
        "0",
        "\tALT_CHANGE_107U:",
        "1",
        "CTRL \"u\"",
        "\tALT_CHANGE_107D:",
        "1",
        "CTRL \"d\"",
        "\tCOURSE_CHANGE_108:",
        "0",
        "\tALT_CHANGE_109:",
        "0",
        "\tAUTOLAND_110:",
        "0",
        "\tPUSHBACK_111:",
        "1",
        "\"a\"",
        "\tRESTART_112:",
        "1",
        "CTRL\"r\"",
        "\tQUIT_113:",
        "1",
        "CTRL\"q\"",
        "\tSPEED_114:",
        "1",
        "NAVAIDINFO_300:",
        "x",
        "[ENDSECTION]",
        "\tWX_TYPE_4000:",
        "1",
        "\tWX_RAIN_4001:",
        "0",
        "\tWX_WIND_4002:",
        "0",
        "\tWX_VISIBILITY_4003:",
        "1",
        "\tWX_CLOUDS_4004:",
        "0",
        "\tWX_TURBULENCES_4005:",
        "0",
        "\tWX_TMP_4006:",
        "59",
        "\tWX_VAR_4007:",
        "5",
        "\tUSESIDSTAR_5000:",
        "1",
        "\tEMERG_1000:",
        "20",
        "\tEMERG_1001:",
        "0",
        "\tEMERG_1002:",
        "0",
        "\tEMERG_1003:",
        "0",
        "\tEMERG_1004:",
        "0",
        "\tEMERG_1005:",
        "0",
        "\tEMERG_1006:",
        "0",
        "\tEMERG_1007:",
        "0",
        "\tEMERG_1008:",
        "0",
        "\tEMERG_1009:",
        "0",
        "\tEMERG_1010:",
        "0",
        "\tEMERG_1011:",
        "0",
        "\tEMERG_1012:",
        "0",
        "\tEMERG_1013:",
        "0",
        "\tEMERG_1014:",
        "0",
        "\tEMERG_1015:",
        "0",
        "\tEMERG_1016:",
        "0",
        "\tEMERG_1017:",
        "0",
        "\tEMERG_1018:",
        "0",
        "\tEMERG_1019:",
        "0",
        "\tEMERG_1020:",
        "1",
        "\tCRASH_1050:",
        "1100",
        "\tSOUND_2000:",
        "C:\\Quillet\\Wav\\",
    };
    EXPECT_EQ(Compose(adf::WizardValues{}), expected);
}

struct RowCase {
    const char* name;
    std::function<void(adf::WizardValues&)> change;
    std::string keyLine;
    Lines value;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class DefinitionRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(DefinitionRow, WritesItsValue) {
    const RowCase& c = GetParam();
    adf::WizardValues values;
    c.change(values);
    EXPECT_EQ(After(Compose(values), c.keyLine, c.value.size()), c.value);
}

using V = adf::WizardValues&;

INSTANTIATE_TEST_SUITE_P(
    Options, DefinitionRow,
    ::testing::Values(
        RowCase{"KeyOptionOff", [](V v) { v.keys.quit = 0; }, "\tQUIT_113:", {"0", "\tSPEED_114:"}},
        RowCase{"KeyOptionOnWithItsKey",
                [](V v) {
                    v.keys.atcHelp = 1;
                    adf::SetKeyEntry(v.keys.keyList, "_102", "SHIFT \"h\"");
                },
                "\tATC_HELP_102:",
                {"1", "SHIFT \"h\"", "\tSHOW_WRONG_103:"}},
        RowCase{"KeyOptionOnWithoutEntry",
                [](V v) { v.keys.courseChange = 1; },
                "\tCOURSE_CHANGE_108:",
                {"0", "\tALT_CHANGE_109:"}},
        RowCase{"KeyOptionWithEmptyKey",
                [](V v) { v.keys.keyList[0] = "_100\t"; },
                "\tALWAYSPOS_100:",
                {"0", "\tATCALWAYSCONTACT_101:"}},
        RowCase{"FirstEntryOfACodeCounts",
                [](V v) { v.keys.keyList.push_back("_100\tCTRL \"z\""); },
                "\tALWAYSPOS_100:",
                {"1", "CTRL \"p\""}},
        RowCase{"FlagOn", [](V v) { v.keys.coPilotLands = 1; }, "\tAUTOLAND_110:", {"1"}},
        RowCase{"FlagAnyNonZeroIsOne", [](V v) { v.general.smokeSystem = 7; }, "\tSMOKESYS_006:", {"1"}},
        RowCase{"EnginesOff", [](V v) { v.plane.enginesOff = 1; }, "\tENGINEOFF_899:", {"1"}},
        RowCase{"NoSound", [](V v) { v.atc.noSound = 1; }, "\tSOUND_2000:", {"0"}},
        RowCase{"FailureItem", [](V v) { v.emergency.gear2 = 1; }, "\tEMERG_1011:", {"1"}},
        RowCase{"Crash",
                [](V v) {
                    v.emergency.crashMode = 2;
                    v.emergency.stressDamage = 0;
                    v.emergency.collideWithScenery = 1;
                },
                "\tCRASH_1050:",
                {"2001"}},
        RowCase{"CrashModeOutOfRange", [](V v) { v.emergency.crashMode = 3; }, "\tCRASH_1050:", {"", "\tSOUND_2000:"}},
        RowCase{"DefaultLandingOff", [](V v) { v.landing.defaultLanding = 0; }, "\tUSESIDSTAR_5000:", {"0"}}));

INSTANTIATE_TEST_SUITE_P(
    Choices, DefinitionRow,
    ::testing::Values(
        RowCase{"Season", [](V v) { v.general.season = 4; }, "\tSEASON_002:", {"Spring"}},
        RowCase{"SeasonOutOfRange", [](V v) { v.general.season = 5; }, "\tSEASON_002:", {"", "\tLONGITUDE_003:"}},
        RowCase{"Longitude", [](V v) { v.general.longitudeSide = 2; }, "\tLONGITUDE_003:", {"East"}},
        RowCase{"Latitude", [](V v) { v.general.latitudeSide = 0; }, "\tLATITUDE_004:", {"Random"}},
        RowCase{"PerformanceLow",
                [](V v) {
                    v.general.performance = 0;
                    v.general.performanceNumber = "3";
                },
                "\tPERFORMANCE_009:",
                {"Low_3"}},
        RowCase{"PerformanceFrame", [](V v) { v.general.performance = 3; }, "\tPERFORMANCE_009:", {"Frame_5"}},
        RowCase{"PerformanceDefault", [](V v) { v.general.performance = 4; }, "\tPERFORMANCE_009:", {"Default_"}},
        RowCase{"PerformanceOutOfRange",
                [](V v) { v.general.performance = -1; },
                "\tPERFORMANCE_009:",
                {"", "\tTIME_010:"}},
        RowCase{"StartTime",
                [](V v) {
                    v.general.startTime = {7, 5, 9};
                },
                "\tTIME_010:",
                {"07:05:09"}},
        RowCase{"Plane", [](V v) { v.general.plane = " Lear45 "; }, "\tPLANE_011:", {"Lear45"}},
        RowCase{"WeatherAdvanced", [](V v) { v.weather.mode = adf::kAdvancedWeatherMode; }, "\tWX_TYPE_4000:", {"0"}},
        RowCase{"LightRainAndWind",
                [](V v) {
                    v.weather.noRain = 0;
                    v.weather.lightRain = 1;
                    v.weather.noWind = 0;
                    v.weather.lightWind = 1;
                },
                "\tWX_RAIN_4001:",
                {"1", "\tWX_WIND_4002:", "1"}},
        RowCase{"NoVisibility",
                [](V v) {
                    v.weather.goodVisibility = 0;
                    v.weather.noVisibility = 1;
                },
                "\tWX_VISIBILITY_4003:",
                {"0"}},
        RowCase{"AverageVisibility",
                [](V v) {
                    v.weather.goodVisibility = 0;
                    v.weather.averageVisibility = 1;
                },
                "\tWX_VISIBILITY_4003:",
                {"2"}},
        RowCase{"Thunderstorm",
                [](V v) {
                    v.weather.noClouds = 0;
                    v.weather.thunderstorm = 1;
                },
                "\tWX_CLOUDS_4004:",
                {"3"}},
        RowCase{"HeavyTurbulence",
                [](V v) {
                    v.weather.noTurbulence = 0;
                    v.weather.heavyTurbulence = 1;
                },
                "\tWX_TURBULENCES_4005:",
                {"2"}},
        RowCase{"UserEstimate",
                [](V v) { v.briefing.userEstimate = "  about 2 hours "; },
                "\tTIME_903_GIVEN:",
                {"about 2 hours"}},
        RowCase{"UserEstimateNotGiven",
                [](V v) {
                    v.briefing.userEstimate = "N/A";
                    v.briefing.computedEstimate = "43 mins";
                },
                "\tTIME_903_GIVEN:",
                {"43 mins"}}));

INSTANTIATE_TEST_SUITE_P(
    HostileTexts, DefinitionRow,
    ::testing::Values(
        RowCase{"TabInTitle",
                [](V v) { v.general.title = "A\tTITLE_000:"; },
                "\tTITLE_000:",
                {"A TITLE_000:", "\tDESCRIPTION_001:"}},
        RowCase{"LineBreakInTitle",
                [](V v) { v.general.title = "one\r\ntwo\r"; },
                "\tTITLE_000:",
                {"one  two ", "\tDESCRIPTION_001:"}},
        RowCase{"RouteSectionInTitle",
                [](V v) { v.general.title = "NAVAIDINFO_300:"; },
                "\tTITLE_000:",
                {" NAVAIDINFO_300:"}},
        RowCase{"Description",
                [](V v) { v.general.description = "\r\n  First\tline \r\n\r\nNAVAIDINFO_300:\r\nlast\r\n\r\n"; },
                "\tDESCRIPTION_001:",
                {"First line", "", " NAVAIDINFO_300:", "last", "\tSEASON_002:"}},
        RowCase{"BlockEndInBriefing",
                [](V v) { v.briefing.briefingText = "a _END: b\n\tBRIEF_905_END:\nc\r\n\n"; },
                "\tBRIEF_905_BEG:",
                {"a _END: b", " BRIEF_905_END:", "c", "\tBRIEF_905_END:"}},
        RowCase{
            "EmptyBlock", [](V v) { v.briefing.descriptionText = " \n"; }, "\tDESC_904_BEG:", {"", "\tDESC_904_END:"}},
        RowCase{
            "TabInKey", [](V v) { v.keys.keyList[0] = "_100\tCTRL\t\"p\""; }, "\tALWAYSPOS_100:", {"1", "CTRL \"p\""}},
        RowCase{
            "TabInPlaneName", [](V v) { v.plane.performance.planeName = "B737\t400"; }, "\tPLANE_800:", {"B737 400"}}));

TEST(DefinitionRows, PlaneDetailsNeedACruiseAltitudeAndTheCalledOutSpeeds) {
    struct Case {
        int cruise, v1, v2, vr, callOuts;
        bool entered;
    } cases[] = {
        {-1, 120, 130, 125, 0, false},   {30000, -1, -1, -1, 0, true},    {30000, -1, 130, 125, 1, false},
        {30000, 120, 130, -1, 1, false}, {30000, 120, 130, 125, 1, true},
    };
    for (const Case& c : cases) {
        adf::WizardValues values;
        values.plane.performance.cruiseAltitude = c.cruise;
        values.plane.performance.v1 = c.v1;
        values.plane.performance.v2 = c.v2;
        values.plane.performance.vr = c.vr;
        values.keys.coPilotVSpeeds = c.callOuts;
        EXPECT_EQ(adf::PlaneDetailsEntered(values), c.entered) << c.cruise << " " << c.v1 << " " << c.vr;
    }
}

}  // namespace
