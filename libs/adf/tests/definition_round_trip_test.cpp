#include <gtest/gtest.h>

#include <filesystem>

#include "adf/adventure_definition.h"
#include "adf/key_list.h"
#include "adf/route_file.h"
#include "navdata_testing/scenery_lines.h"
#include "testing/temp_environment.h"

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kBase = "C:\\Quillet\\";

std::string AirportLine(const char* name, const char* ident) {
    navdata::testing::AirportFields fields;
    fields.name = name;
    fields.ident = ident;
    return navdata::testing::SceneryAirportLine(fields);
}

// Departure with a SID, a VOR, a landing airport with a STAR and a third airport.
Lines RouteLines() {
    adf::RouteFile route;
    route.holdings = {{1, 2, adf::HoldingPlace::TenMiles, {}}, {2, -3, adf::HoldingPlace::NoHolding, {}}};
    adf::AirportSection departure{.airportLine = AirportLine("Springfield Regional", "KSPF"), .runwayEnd = true};
    departure.procedure =
        adf::Procedure{adf::ProcedureKind::Sid, "SPF1", "SPRINGFIELD ONE", {"t01=DF:SPF:", "t02=TF:OT:"}};
    adf::AirportSection landing{.airportLine = AirportLine("Otherton", "KOTR")};
    landing.procedure = adf::Procedure{adf::ProcedureKind::Star, "OTR2", "OTHERTON TWO", {"t01=TF:OT:"}};
    route.sections = {departure, adf::NavaidSection{navdata::testing::SceneryNavaidLine({})}, landing,
                      adf::AirportSection{.airportLine = AirportLine("Thirdville", "KTRD")}};
    return adf::WriteRouteFile(route);
}

// A value other than its default in every field the definition holds.
adf::WizardValues EveryValueChanged() {
    adf::WizardValues v;
    v.briefing = {.giveTitle = 0,
                  .givePlaneName = 0,
                  .giveKeyDescriptions = 0,
                  .giveEstimatedTime = 0,
                  .giveDescription = 0,
                  .descriptionText = "Line one\n\n  indented",
                  .giveBriefing = 0,
                  .briefingText = "Fly low.\nLand long.",
                  .userEstimate = "2 hours"};
    v.plane.performance.planeName = "Lear45";
    v.plane.performance.cruiseAltitude = 41000;
    v.plane.performance.landingSpeed = 140;
    v.plane.performance.v1 = 120;
    v.plane.performance.v2 = 135;
    v.plane.performance.vr = 128;
    v.plane.enginesOff = 1;
    v.general = {.title = "Evening run",
                 .description = "Over the hills\r\n\r\nand back",
                 .season = 3,
                 .longitudeSide = 2,
                 .latitudeSide = 2,
                 .autopilotMaster = 1,
                 .smokeSystem = 1,
                 .autoCoordination = 0,
                 .airspeedIndicator = 1,
                 .performance = 0,
                 .performanceNumber = "8",
                 .startTime = {18, 45, 30},
                 .plane = "Lear45"};
    adf::KeyCommandValues& k = v.keys;
    k.atcAlwaysContact = 0, k.showWhenWrong = 0, k.holdingPatterns = 1, k.landingEmergency = 1;
    k.missedLanding = 1, k.coPilotLands = 1, k.coPilotVSpeeds = 0;
    k.alwaysGivePosition = 0, k.atcHelp = 1, k.warningsAndAdvice = 1, k.courseChange = 1, k.pushBack = 0;
    k.keyList = {"_102\tSHIFT \"h\"", "_106\t\"w\"",     "_107U\tCTRL \"u\"", "_107D\tCTRL \"d\"",
                 "_108\tCTRL \"c\"",  "_112\tCTRL\"r\"", "_113\tCTRL\"q\""};
    v.weather = {.mode = adf::kBasicWeatherMode,
                 .noWind = 0,
                 .lightWind = 1,
                 .noRain = 0,
                 .lightRain = 1,
                 .noVisibility = 0,
                 .goodVisibility = 0,
                 .averageVisibility = 1,
                 .noClouds = 0,
                 .lightClouds = 0,
                 .veryCloudy = 1,
                 .thunderstorm = 0,
                 .noTurbulence = 0,
                 .lightTurbulence = 1,
                 .heavyTurbulence = 0,
                 .temperature = 71,
                 .dayTimeVariation = 9};
    v.landing.defaultLanding = 0;
    v.landing.airports[0] = {"KSPF", "SID", "SPF1", {"t01=DF:SPF:", "t02=TF:OT:"}};
    v.landing.airports[1] = {"KOTR", "STAR", "OTR2", {"t01=TF:OT:"}};
    v.landing.airports[2] = {"KTRD", "SID", "N/A", {}};
    adf::EmergencyValues& e = v.emergency;
    e.failureChance = 55;
    for (auto item : adf::kFailureItems) e.*item = 1;
    e.engine3 = 0;
    e.displayWhenFails = 0, e.crashMode = adf::kDetectCrashAndShowGraph, e.stressDamage = 0;
    e.offRunwayCrash = 1, e.collideWithScenery = 1;
    v.atc.noSound = 1;
    return v;
}

adf::WizardValues ReadBack(const Lines& lines) {
    adf::Definition definition;
    definition.SetLines(lines);
    adf::WizardValues read;
    adf::ReadDefinition(definition, read);
    return read;
}

TEST(DefinitionRoundTrip, EveryPageValueReadsBackAsWritten) {
    const adf::WizardValues written = EveryValueChanged();
    const adf::WizardValues read = ReadBack(adf::ComposeDefinition(written, RouteLines(), kBase));
    EXPECT_EQ(read.general, written.general);
    EXPECT_EQ(read.keys, written.keys);
    EXPECT_EQ(read.weather, written.weather);
    EXPECT_EQ(read.landing, written.landing);
    EXPECT_EQ(read.emergency, written.emergency);
    EXPECT_EQ(read.atc, written.atc);
    EXPECT_EQ(read.plane, written.plane);
    EXPECT_EQ(read.briefing, written.briefing);
}

TEST(DefinitionRoundTrip, DefaultsAndHostileTextsWriteTheSameFileAgain) {
    adf::WizardValues hostile;
    hostile.general.title = "NAVAIDINFO_300:";
    hostile.general.description = "\tDESCRIPTION_001:\r\n\r\n  two \r\n NAVAIDINFO_301:";
    hostile.general.plane = "";
    hostile.general.performance = 4;
    hostile.briefing.briefingText = "x _END:\n\tBRIEF_905_END:\n";
    hostile.briefing.descriptionText = "";
    hostile.keys.courseChange = 1;  // on without a key
    hostile.keys.keyList.push_back("no tab");
    for (const adf::WizardValues& values : {adf::WizardValues{}, EveryValueChanged(), hostile}) {
        const Lines first = adf::ComposeDefinition(values, RouteLines(), kBase);
        const adf::WizardValues read = ReadBack(first);
        EXPECT_EQ(adf::ComposeDefinition(read, RouteLines(), kBase), first);
        EXPECT_EQ(adf::ReadRouteFile(first), adf::ReadRouteFile(RouteLines()));
    }
}

TEST(DefinitionRoundTrip, ReaderKeepsWhatTheDefinitionLacks) {
    adf::Definition definition;
    definition.SetLines({"\tSEASON_002:", "summer", "\tTIME_010:", "9:00:00", "\tCRASH_1050:", "21",
                         "\tPERFORMANCE_009:", "Medium_", "\tALWAYSPOS_100:", "1", "\tEMERG_1000:", "120"});
    adf::WizardValues values;
    values.general.performanceNumber = "7";
    values.general.startTime = {11, 0, 0};
    adf::ReadDefinition(definition, values);
    EXPECT_EQ(values.general.season, 1);
    EXPECT_EQ(values.general.longitudeSide, 1);
    EXPECT_EQ(values.general.startTime, (adf::TimeOfDay{9, 0, 0}));  // seven characters
    EXPECT_EQ(values.general.performance, 1);
    EXPECT_EQ(values.general.performanceNumber, "");
    EXPECT_EQ(values.emergency.crashMode, adf::kDetectCrashAndReset);
    EXPECT_EQ(values.emergency.failureChance, 20);
    // "1" with the next key line where its key should be: no key, so off.
    EXPECT_EQ(values.keys.alwaysGivePosition, 0);
    EXPECT_TRUE(values.keys.keyList.empty());
    EXPECT_EQ(values.briefing.descriptionText, adf::kDefaultBriefingDescription);
}

TEST(DefinitionRoundTrip, LongRoutesKeepTheProceduresOfEveryPoint) {
    adf::RouteFile route;
    for (int i = 0; i < 150; ++i) {
        adf::AirportSection airport{.airportLine = AirportLine("Springfield Regional", "KSPF")};
        airport.procedure = adf::Procedure{adf::ProcedureKind::Sid, "P" + std::to_string(i), "", {"t01=TF:OT:"}};
        route.sections.push_back(airport);
    }
    const Lines lines = adf::ComposeDefinition(adf::WizardValues{}, adf::WriteRouteFile(route), kBase);
    EXPECT_EQ(adf::ReadRouteFile(lines), route);
    const adf::WizardValues read = ReadBack(lines);
    EXPECT_EQ(read.landing.airports.size(), 50u);
    EXPECT_EQ(read.landing.airports[49].ident, "P49");
    EXPECT_EQ(read.landing.airports[49].type, "STAR");
}

TEST(DefinitionRoundTrip, PlaneFoundInTheListTrimmed) {
    const Lines planes = {"B737_400", " Lear45 ", "Lear45"};
    EXPECT_EQ(adf::FindPlaneEntry(planes, "Lear45 "), 1);
    EXPECT_EQ(adf::FindPlaneEntry(planes, "lear45"), -1);
    EXPECT_EQ(adf::FindPlaneEntry({}, "C182"), -1);
}

TEST(DefinitionFile, WrittenWholeWithCrLfAndReadBack) {
    platform::testing::TempEnvironment env;
    const Lines lines = adf::ComposeDefinition(EveryValueChanged(), RouteLines(), kBase);
    ASSERT_TRUE(adf::WriteDefinitionFile("C:\\Trip\\Trip.adf", lines) == false);  // no folder
    env.writeFile("drive_c/Trip/Trip.adf", "old");
    ASSERT_TRUE(adf::WriteDefinitionFile("C:\\Trip\\Trip.adf", lines));
    const std::string bytes = env.readFile(env.driveC() / "Trip" / "Trip.adf");
    EXPECT_TRUE(bytes.starts_with("\tTITLE_900:\r\n0\r\n"));
    EXPECT_TRUE(bytes.ends_with("\tSOUND_2000:\r\n0\r\n"));
    adf::Definition definition;
    ASSERT_TRUE(definition.Load("C:\\Trip\\Trip.adf"));
    EXPECT_EQ(definition.Lines(), lines);

    std::filesystem::permissions(env.driveC() / "Trip" / "Trip.adf", std::filesystem::perms::owner_read);
    EXPECT_FALSE(adf::WriteDefinitionFile("C:\\Trip\\Trip.adf", {}));
    EXPECT_EQ(env.readFile(env.driveC() / "Trip" / "Trip.adf"), bytes);
}

}  // namespace
