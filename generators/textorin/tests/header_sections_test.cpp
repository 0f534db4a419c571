#include <gtest/gtest.h>

#include "section_fixture.h"

namespace {

using namespace textorin;
using namespace textorin::testing;

TEST(Performance, UpperCasedAndSplitAtTheUnderscoreElseTheDefault) {
    struct Case {
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"Medium_3", "\tPERFORMANCE MEDIUM 3\n"}, {"Frame_25", "\tPERFORMANCE FRAME 25\n"},
        {"high_ 7 ", "\tPERFORMANCE HIGH 7\n"},   {"LOW", "\tPERFORMANCE HIGH 5\n"},
        {"Default_", "\tPERFORMANCE HIGH 5\n"},   {"High_", "\tPERFORMANCE HIGH 5\n"},
        {"Low_fast", "\tPERFORMANCE HIGH 5\n"},   {"Low_-2", "\tPERFORMANCE HIGH 5\n"},
        {"Turbo_3", "\tPERFORMANCE HIGH 5\n"},    {"", "\tPERFORMANCE HIGH 5\n"},
    };
    for (const Case& c : cases) {
        DefinitionBuilder b;
        b.Set(keys::kPerformance, c.value);
        EXPECT_EQ(SectionText(b, WritePerformance), c.expected) << c.value;
    }
}

TEST(Season, OnlyRandomWritesTheDraw) {
    const std::string banner =
        std::string("'") + std::string(90, '*') + "\n'\tSet Season of year\n'" + std::string(90, '*') + "\n";
    for (const char* fixed : {"Summer", "random", "Winter"}) {
        DefinitionBuilder b;
        b.Set(keys::kSeason, fixed);
        EXPECT_EQ(SectionText(b, WriteSeasonSection), banner) << fixed;
    }
    DefinitionBuilder b;
    b.Set(keys::kSeason, "Random");
    EXPECT_EQ(SectionText(b, WriteSeasonSection),
              banner +
                  "\tDECLARE dSeason\n\t\tdSeason = RANDOM\n\t\tif dSeason >= 0 AND dSeason <.25\n\t\t\tSEASON = 0\n"
                  "\t\telseif dSeason >= .25 AND dSeason <.5\n\t\t\tSEASON = 1\n"
                  "\t\telseif dSeason >= .75 AND dSeason < 1\n\t\t\tSEASON = 3\n\t\telse\n"
                  "\t\t\tSEASON = 2\t\t'Default (Summer)\n\t\tendif\n");
}

TEST(Season, ComesFromItsOwnKeyLine) {
    // A description line holding a tab and "_002" comes before the season key.
    DefinitionBuilder b;
    b.Description({"Fly\tleg_002 first"}).Set(keys::kSeason, "Random");
    EXPECT_TRUE(Contains(SectionText(b, WriteSeasonSection), "DECLARE dSeason"));
}

TEST(SpeedCalls, EventsAndCallOutsOnlyWithTheOption) {
    DefinitionBuilder off;
    EXPECT_FALSE(Contains(SectionText(off, WriteSubRun), "Speed events"));

    DefinitionBuilder on;
    on.Set(keys::kSpeedCalls, "1").Set(keys::kV1, "120").Set(keys::kV2, "130").Set(keys::kVr, "125");
    std::string run = SectionText(on, WriteSubRun);
    EXPECT_TRUE(Contains(run,
                         "'\n' Speed events\n'\n"
                         "\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=120 GOSUB subSpeedV1\n"
                         "\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=130 GOSUB subSpeedV2\n"
                         "\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=125 GOSUB subSpeedVr\n"));
    std::string calls = SectionText(on, WriteSubSpeedCalls);
    EXPECT_TRUE(Contains(calls,
                         "subSpeedV1:\n\n\tONEXP_CLEAR subSpeedV1\n\tdSound_play = ELAPSED_TIME+ 10\n"
                         "\tPLAY \"\"\n\tPLAY \"ADVS003\"\n\tPRINT \"Co-pilot:V1\"\n\nRETURN\n\n"));
    EXPECT_TRUE(Contains(calls, "\tPLAY \"ADVS005\"\n\tPRINT \"Co-pilot:Rotate\"\n\nRETURN\n\n"));
}

TEST(MainLoop, OptionalBindings) {
    DefinitionBuilder plain;
    std::string text = SectionText(plain, WriteSubRun);
    EXPECT_FALSE(Contains(text, "GOSUB subSound"));
    EXPECT_FALSE(Contains(text, "ONSTALL"));
    EXPECT_FALSE(Contains(text, "GOSUB subTakeOff"));  // no landing in an empty route

    DefinitionBuilder full;
    full.SetLate(keys::kSound, "C:\\Quillet\\Wav\\").Set(keys::kShowWrong, "1");
    text = SectionText(full, WriteSubRun);
    EXPECT_TRUE(Contains(text, "'\n' Sound\n'\n\tGOSUB subSound\n"));
    EXPECT_TRUE(Contains(text, "\tONSTALL GOSUB subRecover\n"));
}

TEST(SelectedTime, HourMinuteSecond) {
    struct Case {
        const char* value;
        int hour, minute, second;
    };
    const Case cases[] = {{"07:30:00", 7, 30, 0}, {"23:59:59", 23, 59, 59}, {"25:00:00", 1, 0, 0}};
    for (const Case& c : cases) {
        DefinitionBuilder b;
        b.Set(keys::kStartTime, c.value);
        std::string text = SectionText(b, WriteAircraftSetup);
        char expected[128];
        std::snprintf(expected, sizeof expected, "'\tSelected Time\n\tHOUR = %d\n\tMINUTE = %d\n\tSECOND = %d\n",
                      c.hour, c.minute, c.second);
        EXPECT_TRUE(Contains(text, expected)) << c.value << "\n" << text;
    }
}

TEST(TitleAndDescription, OneStatementPerLineAndQuotesKeptSafe) {
    DefinitionBuilder b;
    b.Set(keys::kTitle, "The \"Big\" Trip").Description({"First", "", "  Third  "});
    std::string text = SectionText(b, WriteTitleAndDescription);
    EXPECT_TRUE(Contains(text, "\tTITLE \"The 'Big' Trip\"\n"));
    EXPECT_TRUE(Contains(text, "\tDESCRIPTION \"First\"\n\tDESCRIPTION \"\"\n\tDESCRIPTION \"Third\"\n"));
    EXPECT_EQ(SectionText(b, WriteLoadSituation), "\tLOAD_SITUATION \"The 'Big' Trip\"\n\tWAIT 5\n");
}

TEST(AircraftSetup, OneLinePerSwitch) {
    DefinitionBuilder b;
    b.Set(keys::kAutopilotMaster, "1").Set(keys::kTrueAirspeed, "1");
    std::string text = SectionText(b, WriteAircraftSetup);
    EXPECT_TRUE(Contains(text,
                         "\tAUTOPILOT_MASTER = TRUE\n\tSMOKE_SYSTEM_ON = FALSE\n\tAUTO_COORDINATION = FALSE\n"
                         "\tAIRSPEED_INDICATOR_TAS = TRUE\n'TRANS_FREQ = 12000\n'COM_FREQ = 123.0\n\n"));
}

}  // namespace
