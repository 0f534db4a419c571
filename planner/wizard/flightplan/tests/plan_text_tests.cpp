#include "flightplan/plan_text.h"

#include <gtest/gtest.h>

#include "route_records.h"

namespace trevalo {
namespace {

TEST(FlightPlanAngleText, MinutesAndHundredthsFromTheAngle) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"N047* 27'57.00", "N047* 27.57'"},                                         // a record line's angle
        {"S033* 56'30.00", "S033* 56.30'"},    {"W122* 18'05.67", "W122* 18.06'"},  // hundredths of hundredths rounded
        {"N047* 27'5.37", "N047* 27.05'"},  // the planner's own text: 27.0537 minutes
        {"E008* 15'0.00", "E008* 15.00'"},     {"N047* 59'99.60", "N048* 00.00'"},  // rounding carries into the degrees
        {"N000* 00'00.00", "N000* 00.00'"},                                         // no sign to take the letter from
        {"N047* 27'57.00   ", "N047* 27.57'"}, {"N047* 27", "N047* 27"},            // no "'" or no ".": kept
        {"N047* 27'57", "N047* 27'57"},        {"", ""},
    };
    for (const auto& test : cases) EXPECT_EQ(FlightPlanAngleText(test.text), test.expected) << test.text;
}

TEST(FlightPlanAltitudes, SignedSixDigitsAndWholeNumbers) {
    const struct {
        int feet;
        const char* text;
    } altitudes[] = {{350, "+000350.00"},
                     {0, "+000000.00"},
                     {-11, "-000011.00"},
                     {1234567, "+1234567.00"},
                     {-2147483647 - 1, "-2147483648.00"}};
    for (const auto& test : altitudes) EXPECT_EQ(SignedAltitudeText(test.feet), test.text) << test.feet;

    const struct {
        const char* text;
        std::optional<int> feet;
    } cruising[] = {{"10000", 10000}, {" 12000 ft", 12000}, {"10000.7", 10000},
                    {"-500", -500},   {"", std::nullopt},   {"high", std::nullopt}};
    for (const auto& test : cruising) EXPECT_EQ(CruisingAltitude(test.text), test.feet) << test.text;
}

TEST(FlightPlanNames, AirportNamesFromAirportLinesOnly) {
    const RouteRecord airport = testing::Airport("KSPF", "Springfield Regional", "N047* 27'57.00", "W122* 18'30.00");
    const RouteRecord navaid = testing::Navaid("SPF", "V", "N047* 30'00.00", "W122* 20'00.00");
    EXPECT_EQ(PointName(airport), "Springfield Regional");
    EXPECT_EQ(PointName(navaid), "SPF");
    EXPECT_TRUE(IsAirportRecord(airport));
    EXPECT_FALSE(IsAirportRecord(navaid));

    RouteRecord user = testing::ProcedurePoint("N047* 30'00.00", "W122* 20'00.00");
    EXPECT_EQ(WaypointIdent(user), "USER");
    user.ident = "USER_EXTRA";
    EXPECT_TRUE(IsUserPoint(user));
    EXPECT_EQ(WaypointIdent(user), "USER");
    EXPECT_EQ(WaypointIdent(navaid), "SPF");
}

}  // namespace
}  // namespace trevalo
