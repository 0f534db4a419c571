#include "wizard/real_time_link.h"

#include <gtest/gtest.h>

#include "departure_world.h"
#include "recording_link.h"

namespace trevalo {
namespace {

using Calls = std::vector<std::string>;

TEST(RealTimeUnitsTest, FeetAndMetres) {
    EXPECT_DOUBLE_EQ(AltitudeInUnit(1000, AltitudeUnit::Metre), 1000);
    EXPECT_DOUBLE_EQ(AltitudeInUnit(1000, AltitudeUnit::Feet), 3281);
    EXPECT_DOUBLE_EQ(MetresOfAltitude(1000, AltitudeUnit::Feet), 304.78512648582745);
    EXPECT_DOUBLE_EQ(MetresOfAltitude(1000, AltitudeUnit::Metre), 1000);
}

struct StepCase {
    int value;
    int delta;
    int stepped;
};

TEST(RealTimeUnitsTest, SpinsStepByOneAndTheIntervalStaysWithinAMinute) {
    const StepCase kIntervalSteps[] = {{5, -1, 6}, {5, 0, 6},    {5, 1, 4},   {0, 1, 0},
                                       {1, 1, 0},  {60, -1, 60}, {59, -1, 60}};
    for (const StepCase& test : kIntervalSteps)
        EXPECT_EQ(SteppedInterval(test.value, test.delta), test.stepped) << test.value << " by " << test.delta;
    EXPECT_DOUBLE_EQ(SteppedAltitude(100, -1), 101);
    EXPECT_DOUBLE_EQ(SteppedAltitude(100, 0), 101);
    EXPECT_DOUBLE_EQ(SteppedAltitude(100, 1), 99);
}

class ReadLiveValuesTest : public ::testing::Test {
protected:
    ReadLiveValuesTest() {
        link_.Set({.latitude = 47.5,
                   .longitude = -122.25,
                   .heading = 0,
                   .altitudeMetres = 1000,
                   .paused = true,
                   .time = {14, 30, 5},
                   .indicated = 120,
                   .trueAir = 130,
                   .ground = 140});
    }
    RecordingLink link_;
    adf::RealTimeValues values_;
    SimulatorTime time_;
};

TEST_F(ReadLiveValuesTest, ReadsEachValueOnceInOrder) {
    ASSERT_TRUE(ReadLiveValues(link_, AltitudeUnit::Feet, SpeedKind::True, values_, time_));
    EXPECT_EQ(link_.Calls(), (Calls{"AltitudeMetres", "Latitude", "Longitude", "Paused", "Time", "Speed TAS"}));
    EXPECT_DOUBLE_EQ(values_.altitude, 3281);
    EXPECT_DOUBLE_EQ(values_.latitude, 47.5);
    EXPECT_DOUBLE_EQ(values_.longitude, -122.25);
    EXPECT_EQ(values_.pause, 1);
    EXPECT_EQ(time_, (SimulatorTime{14, 30, 5}));
    EXPECT_DOUBLE_EQ(values_.speed, 130);
}

TEST_F(ReadLiveValuesTest, StopsAtTheFirstFailedCallKeepingWhatCameBefore) {
    link_.FailFrom("Longitude");
    values_.longitude = 7;
    EXPECT_FALSE(ReadLiveValues(link_, AltitudeUnit::Metre, SpeedKind::Indicated, values_, time_));
    EXPECT_EQ(link_.Calls(), (Calls{"AltitudeMetres", "Latitude", "Longitude"}));
    EXPECT_DOUBLE_EQ(values_.altitude, 1000);
    EXPECT_DOUBLE_EQ(values_.latitude, 47.5);
    EXPECT_DOUBLE_EQ(values_.longitude, 7);
}

TEST_F(ReadLiveValuesTest, WithoutASpeedKindTheSpeedIsNotAsked) {
    ASSERT_TRUE(ReadLiveValues(link_, AltitudeUnit::Metre, std::nullopt, values_, time_));
    EXPECT_EQ(link_.Calls().back(), "Time");
}

class DepartureTest : public ::testing::Test, protected testing::DepartureWorld {};

TEST_F(DepartureTest, TheFirstRoutePointMustBeAnAirport) {
    EXPECT_EQ(std::get<DepartureProblem>(FindDeparture(*route, *database)), DepartureProblem::EmptyRoute);
    AddPoint(kPointVor, navaidNumber);
    AddPoint(kPointAirport, airportNumber);
    EXPECT_EQ(std::get<DepartureProblem>(FindDeparture(*route, *database)), DepartureProblem::NotAnAirport);
    route->Points().front().type = kPointAirport;
    route->Points().front().databaseNumber = 99;  // no such airport
    EXPECT_EQ(std::get<DepartureProblem>(FindDeparture(*route, *database)), DepartureProblem::NotAnAirport);
}

TEST_F(DepartureTest, PositionHeadingAndElevationOfTheDepartureAirport) {
    AddPoint(kPointAirport, airportNumber);
    const Departure departure = std::get<Departure>(FindDeparture(*route, *database));
    EXPECT_DOUBLE_EQ(departure.latitude, 47.5);
    EXPECT_DOUBLE_EQ(departure.longitude, -122.25);
    EXPECT_DOUBLE_EQ(departure.heading, 520);
    EXPECT_DOUBLE_EQ(departure.elevationFeet, 433);
}

// One pass of the move as the link records it.
Calls MovePass() {
    return {"SetAltitudeFeet 10000.0", "SetLatitude 47.5000",   "SetLongitude -122.2500",
            "SetHeading 160.0",        "SetAltitudeFeet 866.0", "SetAltitudeFeet 433.0"};
}

struct MoveCase {
    bool slewing;
    bool paused;
};

TEST(MovePlaneTest, ThreePassesWithSlewAndPauseOnThenBackAsTheyWere) {
    const Departure departure{47.5, -122.25, 160, 433};
    for (const MoveCase test : {MoveCase{false, false}, MoveCase{true, true}, MoveCase{false, true}}) {
        SCOPED_TRACE(::testing::Message() << "slew " << test.slewing << " pause " << test.paused);
        RecordingLink link;
        link.Set({.paused = test.paused, .slewing = test.slewing});
        ASSERT_TRUE(MovePlaneTo(link, departure));
        Calls expected = {"Slewing", "Paused"};
        if (!test.slewing) expected.push_back("SetSlewing 1");
        if (!test.paused) expected.push_back("SetPaused 1");
        for (int pass = 0; pass < 3; ++pass)
            for (const std::string& call : MovePass()) expected.push_back(call);
        expected.push_back(test.slewing ? "SetSlewing 1" : "SetSlewing 0");
        expected.push_back(test.paused ? "SetPaused 1" : "SetPaused 0");
        EXPECT_EQ(link.Calls(), expected);
    }
}

TEST(MovePlaneTest, AFailedCallEndsTheMoveAndSlewAndPauseAreStillPutBack) {
    RecordingLink link;
    link.FailFrom("SetHeading");
    EXPECT_FALSE(MovePlaneTo(link, {47.5, -122.25, 160, 433}));
    const Calls calls = link.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetHeading 160.0"), 1);
    EXPECT_EQ(Calls(calls.end() - 2, calls.end()), (Calls{"SetSlewing 0", "SetPaused 0"}));
}

}  // namespace
}  // namespace trevalo
