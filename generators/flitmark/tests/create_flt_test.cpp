#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "adf/keys.h"
#include "adf/route_file.h"
#include "flitmark/flitmark.h"
#include "flt_fixture.h"
#include "navdata/record_lines.h"
#include "testing/file_size_limit.h"

namespace flitmark {
namespace {

using Lines = std::vector<std::string>;

std::string AirportLine() {
    return navdata::ComposeAirportLine({.ident = "KSEA",
                                        .elevation = "433.000000",
                                        .runwayHeading = "270.0",
                                        .runwayStartLatitude = "N047* 27'57.00",
                                        .runwayEndLatitude = "N047* 28'10.50",
                                        .runwayStartLongitude = "W122* 18'31.00",
                                        .runwayEndLongitude = "W122* 19'02.25"});
}

std::string NavaidLine(const std::string& type, double frequency) {
    return navdata::ComposeNavaidLine({.type = type, .ident = "SEA", .frequency = frequency});
}

struct Adventure {
    std::string crash = "1000";
    std::string cruise = "12000";
    std::string season = "Summer";
    std::string engineOff = "0";
    adf::RouteSection departure = adf::AirportSection{.airportLine = AirportLine(), .runwayHeading = 190.0};
    std::vector<std::string> navaids = {NavaidLine("VOR", 116.8)};

    Lines Definition() const {
        using namespace adf::keys;
        Lines lines = {kPlaneName.Line(),
                       "C002 special",
                       kCruiseAltitude.Line(),
                       cruise,
                       kEnginesOff.Line(),
                       engineOff,
                       kTitle.Line(),
                       "Rainy Seattle",
                       kDescription.Line(),
                       "Fly around 002 times",
                       "and land",
                       kSeason.Line(),
                       season,
                       kPlane.Line(),
                       "Cessna 182"};
        adf::RouteFile route;
        route.sections.push_back(departure);
        for (const std::string& navaid : navaids) route.sections.emplace_back(adf::NavaidSection{.navaidLine = navaid});
        const Lines routeLines = adf::WriteRouteFile(route);
        lines.insert(lines.end(), routeLines.begin(), routeLines.end());
        lines.insert(lines.end(), {kCrash.Line(), crash});
        return lines;
    }
};

class CreateFltTest : public testing::FltFixture {
protected:
    CreateFltTest() {
        previous_ = SetFlitmarkYearSource([] { return 1999; });
    }
    ~CreateFltTest() override { SetFlitmarkYearSource(previous_); }

    bool Create(const Adventure& adventure, Lines waypoints = {"KSEA, N, W, +000000.00,1,0,0,,0\n"}) {
        WriteText(testing::kAdfPath, adventure.Definition());
        return CreateFlt(testing::kAdfPath, &waypoints);
    }

    FlitmarkYearSource previous_ = nullptr;
};

TEST_F(CreateFltTest, WritesTheGeneralKeys) {
    Adventure adventure;
    adventure.season = "Winter";
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("Main", "Title"), "Rainy Seattle");
    EXPECT_EQ(FltValue("Main", "Description"), "Fly around 002 times");
    EXPECT_EQ(FltValue("Plane", "Aircraft"), "Cessna 182");
    // The season comes from its own key, not from the first line holding "002".
    EXPECT_EQ(FltValue("DateTimeSeason", "Season"), "Winter");
    EXPECT_EQ(FltValue("DateTimeSeason", "Year"), "1999");
    EXPECT_EQ(FltValue("Plane", "Altitude"), "+433.000000");
    // A definition without NDB leaves the ADF as the default file has it.
    EXPECT_EQ(FltValue("Avionics", "ADFActive"), "0350.00");
    EXPECT_EQ(FltValue("Engine Parameters.1", "LeftMagneto"), "True");
    // Still CR LF text.
    EXPECT_NE(Bytes(testing::kFltPath).find("[Main]\r\nTitle=Rainy Seattle\r\n"), std::string::npos);
}

TEST_F(CreateFltTest, RandomSeasonLeavesTheDefault) {
    Adventure adventure;
    adventure.season = "Random";
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("DateTimeSeason", "Season"), "Summer");
}

struct CrashCase {
    const char* value;
    const char* detection;
    const char* damage;
    const char* offRunway;
    const char* withOthers;
};

class CreateFltCrash : public CreateFltTest, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(CreateFltCrash, SetsTheCrashKeys) {
    Adventure adventure;
    adventure.crash = GetParam().value;
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("Crash", "CrashDetection"), GetParam().detection);
    EXPECT_EQ(FltValue("Crash", "AircraftDamage"), GetParam().damage);
    EXPECT_EQ(FltValue("Crash", "OffRunway"), GetParam().offRunway);
    EXPECT_EQ(FltValue("Crash", "WithOthers"), GetParam().withOthers);
}

// The default file holds Detect, False, False, False.
INSTANTIATE_TEST_SUITE_P(Values, CreateFltCrash,
                         ::testing::Values(CrashCase{"2110", "Analysis", "True", "True", "False"},
                                           CrashCase{"0001", "Off", "False", "False", "True"},
                                           CrashCase{"9111", "Detect", "True", "True", "True"},
                                           CrashCase{"2", "Analysis", "False", "False", "False"}));

struct RunwayCase {
    bool runwayEnd;
    double runwayHeading;
    const char* heading;
    const char* latitude;
    const char* longitude;
};

class CreateFltRunway : public CreateFltTest, public ::testing::WithParamInterface<RunwayCase> {};

TEST_P(CreateFltRunway, StartsOnTheChosenRunwayEnd) {
    Adventure adventure;
    adventure.departure = adf::AirportSection{
        .airportLine = AirportLine(), .runwayEnd = GetParam().runwayEnd, .runwayHeading = GetParam().runwayHeading};
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("Plane", "Heading"), GetParam().heading);
    EXPECT_EQ(FltValue("Plane", "Latitude"), GetParam().latitude);
    EXPECT_EQ(FltValue("Plane", "Longitude"), GetParam().longitude);
}

INSTANTIATE_TEST_SUITE_P(Ends, CreateFltRunway,
                         ::testing::Values(RunwayCase{true, 270.0, "90.000000", "N047* 28.10'50", "W122* 19.02'25"},
                                           RunwayCase{false, 190.0, "10.000000", "N047* 27.57'00", "W122* 18.31'00"},
                                           RunwayCase{false, 180.0, "360.000000", "N047* 27.57'00", "W122* 18.31'00"}));

TEST_F(CreateFltTest, ADepartureThatIsNoAirportLeavesThePosition) {
    Adventure adventure;
    adventure.departure = adf::NavaidSection{.navaidLine = NavaidLine("VOR", 116.8)};
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("Plane", "Latitude"), "N047* 27.57'00");
    EXPECT_EQ(FltValue("Plane", "Longitude"), "W122* 18.31'00");
    EXPECT_EQ(FltValue("Plane", "Heading"), "0.000000");
    EXPECT_EQ(FltValue("Plane", "Altitude"), "+000433.00");
}

struct CruiseCase {
    const char* cruise;
    const char* cleared;
};

class CreateFltCruise : public CreateFltTest, public ::testing::WithParamInterface<CruiseCase> {};

TEST_P(CreateFltCruise, ClearsAtLeast5000Feet) {
    // A cleared altitude other than the default's, so that a skipped edit shows.
    Lines flt = ReadFileLines(testing::kFltPath);
    std::replace(flt.begin(), flt.end(), std::string("AltCleared=5000"), std::string("AltCleared=7000"));
    WriteText(testing::kFltPath, flt);
    Adventure adventure;
    adventure.cruise = GetParam().cruise;
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("ATC_Aircraft.0", "AltCleared"), GetParam().cleared);
}

INSTANTIATE_TEST_SUITE_P(Values, CreateFltCruise,
                         ::testing::Values(CruiseCase{"3000", "5000"}, CruiseCase{"12000", "12000"},
                                           CruiseCase{"5000", "5000"}, CruiseCase{"", "5000"},
                                           CruiseCase{"high", "5000"}));

TEST_F(CreateFltTest, TunesTheAdfToTheFirstNdb) {
    Adventure adventure;
    adventure.navaids = {NavaidLine("VOR", 116.8), NavaidLine("NDB", 280.0), NavaidLine("NDB", 415.0)};
    ASSERT_TRUE(Create(adventure));
    EXPECT_EQ(FltValue("Avionics", "ADFActive"), "0280.00");
}

TEST_F(CreateFltTest, TurnsTheEnginesOff) {
    Adventure adventure;
    adventure.engineOff = "1";
    ASSERT_TRUE(Create(adventure));
    for (const char* section : {"Engine Parameters.1", "Engine Parameters.4"}) {
        EXPECT_EQ(FltValue(section, "ThrottleLeverPct"), "0.000000");
        EXPECT_EQ(FltValue(section, "PropellerLeverPct"), "1.000000");
        EXPECT_EQ(FltValue(section, "Pct Engine RPM"), "0.000000");
        EXPECT_EQ(FltValue(section, "LeftMagneto"), "False");
        EXPECT_EQ(FltValue(section, "CowlFlapPct"), "1.000000");
        EXPECT_EQ(FltValue(section, "CarbHeat/DeiceSwitch"), "False");
    }
}

TEST_F(CreateFltTest, WritesTheFlightPlanAfterItsKey) {
    const Lines waypoints = {"KSEA, N047* 27.57', W122* 18.31', +000000.00,1,0,10000,,0\n",
                             "waypoint.1=SEA, N047* 26.00', W122* 18.00', +010000.00,3,8,10000,,1\n",
                             "waypoint.2=KPDX, N045* 35.00', W122* 36.00', +000000.00,3,0,10000,,2\n"};
    ASSERT_TRUE(Create(Adventure{}, waypoints));
    const Lines lines = ReadFileLines(testing::kFltPath);
    const auto at =
        std::find(lines.begin(), lines.end(), "Waypoint.0=" + waypoints[0].substr(0, waypoints[0].size() - 1));
    ASSERT_NE(at, lines.end());
    ASSERT_GT(lines.end() - at, 3);
    EXPECT_EQ(at[1] + "\n", waypoints[1]);
    EXPECT_EQ(at[2] + "\n", waypoints[2]);
    EXPECT_EQ(FltValue("ATC_Aircraft.0", "NumberofWaypoints"), "3");
}

TEST_F(CreateFltTest, FailsWithoutTheDefinitionOrTheFlightFile) {
    const std::string before = Bytes(testing::kFltPath);
    Lines waypoints;
    EXPECT_FALSE(CreateFlt(testing::kAdfPath, &waypoints));
    EXPECT_FALSE(CreateFlt(nullptr, &waypoints));
    EXPECT_EQ(Bytes(testing::kFltPath), before);

    WriteText(testing::kAdfPath, Adventure{}.Definition());
    std::filesystem::remove(platform::HostPath(testing::kFltPath));
    EXPECT_FALSE(CreateFlt(testing::kAdfPath, &waypoints));
}

// Both writers of the flight file on a read-only file, a full disk and a kill in
// mid-write: false (or killed) and the flight file as it was.
TEST_F(CreateFltTest, AFlightFileThatCannotBeWrittenFailsAndStays) {
    using platform::testing::AtFileSizeLimit;
    WriteText(testing::kAdfPath, Adventure{}.Definition());
    WriteText(testing::kPlnPath, {"departure_id=KSEA, N, W, +000433.00", "waypoint.0=X"});
    const std::filesystem::path flt = platform::HostPath(testing::kFltPath);
    const std::string before = Bytes(testing::kFltPath);
    const std::uint64_t limit = before.size() / 2;
    const std::pair<const char*, bool (*)()> writers[] = {
        {"CreateFlt",
         [] {
             Lines waypoints = {"KSEA, N, W, +000000.00,1,0,0,,0\n"};
             return CreateFlt(testing::kAdfPath, &waypoints);
         }},
        {"AddGpsToFlt", [] { return AddGpsToFlt(testing::kAdfPath); }},
    };
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        std::filesystem::permissions(flt, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
        EXPECT_FALSE(write()) << "read-only";
        std::filesystem::permissions(flt, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        EXPECT_EQ(Bytes(testing::kFltPath), before);

        const auto full = platform::testing::RunWithFileSizeLimit(limit, AtFileSizeLimit::WriteFails,
                                                                  [&](std::string&) { return write() ? 1 : 0; });
        EXPECT_EQ(full.exitCode, 0) << "full disk";
        EXPECT_EQ(Bytes(testing::kFltPath), before);

        const auto killed = platform::testing::RunWithFileSizeLimit(limit, AtFileSizeLimit::WriterDies,
                                                                    [&](std::string&) { return write() ? 1 : 0; });
        EXPECT_NE(killed.signal, 0) << "killed";
        EXPECT_EQ(Bytes(testing::kFltPath), before);
    }
}

}  // namespace
}  // namespace flitmark
