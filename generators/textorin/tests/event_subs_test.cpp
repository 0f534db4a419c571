#include <gtest/gtest.h>

#include "adventure_source.h"
#include "fixture_routes.h"
#include "platform/message_box.h"
#include "record_lines.h"
#include "section_fixture.h"
#include "source_check.h"
#include "testing/temp_environment.h"

namespace {

using namespace textorin;
using namespace textorin::testing;

constexpr const char* kRearm =
    "\tONEXP_CLEAR subEmergency\n\tiEmer_Time = ELAPSED_TIME + 15 * 6\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iEmer_Time) GOSUB subEmergency\nRETURN\n";

std::string EmergencyHead() {
    return "\n'" + std::string(90, '*') + "\n'\tHandle all the emergencies\n'" + std::string(90, '*') +
           "\nsubEmergency:\n\n";
}

TEST(Emergency, FailuresByPercentage) {
    struct Case {
        std::vector<adf::Key> codes;
        const char* percent;
        bool announce;
        std::string chain;
    };
    const Case cases[] = {
        {{}, "5", false, ""},
        {{keys::kFailEngine2},
         "5",
         false,
         "\tIF RANDOM < 0.05 AND !ENGINE_2_FAIL\n\t\tENGINE_2_FAIL = TRUE\n\tENDIF\n"},
        {{keys::kFailAdf, keys::kFailAirspeedIndicator},
         "0",
         false,
         "\tIF RANDOM > 0.00 AND !ADF_FAIL\n\t\tADF_FAIL = TRUE\n"
         "\tELSEIF RANDOM < 0.00 AND !AIRSPEED_INDICATOR_FAIL\n\t\tAIRSPEED_INDICATOR_FAIL = TRUE\n\tENDIF\n"},
        {{keys::kFailGear1, keys::kFailPanelLights},
         "12.5",
         true,
         "\tIF RANDOM < 0.12 AND !GEAR1_FAIL AND RETRACTABLE_GEAR\n\t\tGEAR1_FAIL = TRUE\n"
         "\t\tPRINT \"Co-pilot:Nose landing Gear Failure...\"\n\t\tWAIT MESSAGE\n"
         "\tELSEIF RANDOM > 0.12\n\t\tPANEL_LIGHTS_FAIL = TRUE\n\t\tPRINT \"Co-pilot:Panel lights Failure...\"\n"
         "\t\tWAIT MESSAGE\n\tENDIF\n"},
    };
    for (const Case& c : cases) {
        DefinitionBuilder b;
        b.SetLate(keys::kFailureProbability, c.percent);
        for (const adf::Key& code : c.codes) b.SetLate(code, "1");
        if (c.announce) b.SetLate(keys::kAnnounceFailure, "1");
        EXPECT_EQ(SectionText(b, WriteSubEmergency), EmergencyHead() + c.chain + kRearm) << c.chain;
    }
}

TEST(Advice, WrittenOnlyWithTheOptionAndDeclaringWhatItUses) {
    DefinitionBuilder off = TwoAirportsVorNdbRoute();
    std::string source = WriteAdventureSource(off.Build());
    EXPECT_EQ(source.find("subGearUp"), std::string::npos);
    EXPECT_EQ(source.find("dSound_play"), std::string::npos);

    // The advice and the speed call-outs assign dSound_play even without sound.
    for (const adf::Key& option : {keys::kShowWrong, keys::kSpeedCalls}) {
        DefinitionBuilder on = TwoAirportsVorNdbRoute();
        on.Set(option, "1");
        source = WriteAdventureSource(on.Build());
        EXPECT_NE(source.find("\tDECLARE dSound_play\n"), std::string::npos) << option.code;
        EXPECT_TRUE(Compiles(source)) << option.code;
    }
}

TEST(KeyCommands, OnlyEnabledKeysAndTheirSubroutines) {
    DefinitionBuilder none;
    EXPECT_EQ(SectionText(none, WriteKeyBindings), "");
    EXPECT_TRUE(SectionText(none, WriteAdventureKeys).ends_with("\tADV_KEYS CLEAR\n"));

    DefinitionBuilder up;
    up.Key(keys::kClimbRequest, "CTRL \"u\"");
    EXPECT_TRUE(
        SectionText(up, WriteAdventureKeys).ends_with("\tADV_KEYS ADD, KV(CTRL \"u\")\t\t'Altitude request Up\n"));
    EXPECT_EQ(SectionText(up, WriteKeyBindings), "\tONKEY KV(CTRL \"u\") GOSUB subAltChangeRequestUp\n");
    std::string subs = SectionText(up, WriteKeyCommandSubs);
    EXPECT_TRUE(
        Contains(subs,
                 "subAltChangeRequestUp:\n\n\tPRINT \"Requesting permission to climb from \",iAlt_Keep,\" to \", "
                 "iAlt_Keep+ 200\n\tWAIT 5\n\n"));
    EXPECT_FALSE(Contains(subs, "Down"));
}

// What the stand-in compiler refuses comes only from a definition that lacks the value:
// the default performance compiles, a key option without its key does not.
TEST(WholeSource, DefaultPerformanceCompilesAKeyWithoutItsTextDoesNot) {
    DefinitionBuilder performance = TwoAirportsVorNdbRoute();
    performance.Set(keys::kPerformance, "Default_");
    EXPECT_TRUE(Compiles(WriteAdventureSource(performance.Build())));

    DefinitionBuilder keyless = TwoAirportsVorNdbRoute();
    keyless.Key(keys::kPushBack, "");
    EXPECT_FALSE(Compiles(WriteAdventureSource(keyless.Build())));
}

// Every subroutine of the key commands ends in RETURN and a blank line, push back too,
// so the banner that follows stands apart.
TEST(KeyCommands, ABlankLineFollowsEachReturn) {
    DefinitionBuilder all;
    all.Key(keys::kPushBack, "CTRL \"b\"").Key(keys::kRestart, "CTRL \"r\"").Key(keys::kClimbRequest, "CTRL \"u\"");
    for (const auto& section :
         {std::function<void(GenerationRun&)>(WriteSubPushBack), std::function<void(GenerationRun&)>(WriteSubResetAdv),
          std::function<void(GenerationRun&)>(WriteKeyCommandSubs)}) {
        const std::string text = SectionText(all, section);
        for (size_t at = text.find("RETURN\n"); at != std::string::npos; at = text.find("RETURN\n", at + 1))
            EXPECT_EQ(text.substr(at, 8), "RETURN\n\n") << text;
        EXPECT_TRUE(text.ends_with("RETURN\n\n")) << text;
    }
}

TEST(NavaidHandlers, NdbLegGetsTheDirectCourseAndTheNdbHandler) {
    NavaidSpec ndb;
    ndb.type = "NDB";
    ndb.ident = "CP";
    DefinitionBuilder b;
    b.Airport(RouteAirport(AirportLine({}))).Ndb(NavaidLine(ndb)).Airport(RouteAirport(AirportLine({})));
    std::string source = WriteAdventureSource(b.Build());
    EXPECT_TRUE(Compiles(source));
    EXPECT_TRUE(Contains(source, "\t' Handle Adf(s)\n\tGOSUB subHandleNDB\n"));
    EXPECT_FALSE(Contains(source, "GOSUB subHandleVor1\n\tGOSUB subHandleVor2"));
    EXPECT_TRUE(Contains(source, "subDirectCourse:\n\n\tIF iAirportCount = 2\n"));
    EXPECT_TRUE(Contains(source, "\tIF iNdbCount = 1\n\t\tPRINT \"NDB Set to [CP]\"\n"));
}

TEST(CruiseAltitude, ToleranceByAltitude) {
    struct Case {
        const char* altitude;
        const char* tolerance;
    };
    const Case cases[] = {{"15000", "1000"}, {"14999", "700"}, {"5000", "700"}, {"1000", "500"}, {"999", "200"}};
    for (const Case& c : cases) {
        DefinitionBuilder b;
        b.Set(keys::kCruiseAltitude, c.altitude);
        EXPECT_TRUE(Contains(SectionText(b, WriteSubCruiseAlt),
                             std::string("\tiAlt_Keep = ") + c.altitude + "\n\tiAlt_Tol  = " + c.tolerance + "\n"))
            << c.altitude;
    }
}

TEST(LandingRanges, FarAboveNinetyNine) {
    struct Case {
        const char* speed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"100",
         {"<= 60 AND", "<= 10 GOSUB subLANDPHASE_2", "> 20 GOSUB subLANDPHASE_3", "<= 2 GOSUB subLANDPHASE_4",
          "> 40 GOSUB subLANDPHASE_1", "> 6 GOSUB subCruiseAlt"}},
        {"99",
         {"<= 30 AND", "<= 5 GOSUB subLANDPHASE_2", "> 10 GOSUB subLANDPHASE_3", "<= 1 GOSUB subLANDPHASE_4",
          "> 20 GOSUB subLANDPHASE_1", "> 3 GOSUB subCruiseAlt"}},
    };
    for (const Case& c : cases) {
        DefinitionBuilder b = TwoAirportsVorNdbRoute();
        b.Set(keys::kLandingSpeed, c.speed).SetLate(keys::kDefaultLanding, "1");
        std::string source = WriteAdventureSource(b.Build());
        EXPECT_TRUE(Compiles(source));
        for (const auto& part : c.expected) EXPECT_TRUE(Contains(source, part)) << c.speed << ": " << part;
        EXPECT_FALSE(Contains(source, "subSID")) << c.speed;
    }
}

TEST(Sound, FolderAndAtisGate) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Snd/ADVS003.wav", "x");
    DefinitionBuilder onlyFixed = OneAirportRoute();
    onlyFixed.SetLate(keys::kSound, "C:\\Snd\\");
    std::string text = SectionText(onlyFixed, WriteSubSound);
    EXPECT_TRUE(Contains(text, "'\tAdd your sound files here\n"));
    EXPECT_FALSE(Contains(text, "ENDIF\n\tdSound_play = ELAPSED"));

    env.writeFile("drive_c/Snd/Adv0001.wav", "x");
    env.writeFile("drive_c/Snd/Adv0002.wav", "x");
    text = SectionText(onlyFixed, WriteSubSound);
    EXPECT_TRUE(Contains(text,
                         "\tdSound_play = INT( RANDOM * 2)\n\tIF dSound_play = 0\n\t\tPLAY \"Adv0001\"\n"
                         "\tELSEIF dSound_play = 1\n\t\tPLAY \"Adv0002\"\n\tENDIF\n"));

    AirportSpec edge;
    edge.atis = "137.000000";
    AirportSpec low;
    low.atis = "118.000000";
    DefinitionBuilder gate;
    gate.Airport(RouteAirport(AirportLine(edge)))
        .Airport(RouteAirport(AirportLine(low)))
        .SetLate(keys::kSound, "C:\\Snd\\");
    text = SectionText(gate, WriteSubSound);
    EXPECT_TRUE(Contains(text, "COM_FREQ < 118.025000 AND COM_FREQ > 117.975000\n"));
    EXPECT_FALSE(Contains(text, "137.025000"));
    EXPECT_FALSE(Contains(text, "ELSEIF (AIR_DISTANCE"));

    DefinitionBuilder none;
    none.Airport(RouteAirport(AirportLine(edge))).SetLate(keys::kSound, "C:\\Snd\\");
    EXPECT_TRUE(Contains(SectionText(none, WriteSubSound), "No valid frequencies"));
}

}  // namespace
