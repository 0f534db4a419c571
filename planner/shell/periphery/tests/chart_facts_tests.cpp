#include "periphery/chart_facts.h"

#include <gtest/gtest.h>

#include "route_fixture.h"

namespace trevalo {
namespace {

using testing::AirportPoint;
using testing::NavaidPoint;

class ChartFactsTest : public testing::RouteWorldTest {};

TEST_F(ChartFactsTest, OnePageForThePlanThenOnePerAirport) {
    const std::vector<CRoutePoint> trip = {AirportPoint(*database_, spf_, true),
                                           NavaidPoint(*database_, vorSpf_, 90, kVor1Role),
                                           AirportPoint(*database_, otr_, true), NavaidPoint(*database_, ndbOt_)};
    EXPECT_EQ(ChartPageCount(trip), 3);
    EXPECT_EQ(ApproachPointOfPage(trip, 2), &trip[0]);
    EXPECT_EQ(ApproachPointOfPage(trip, 3), &trip[2]);
    EXPECT_EQ(ApproachPointOfPage(trip, 4), nullptr);
    EXPECT_EQ(FlightPlanHeaderOf(trip).from, "KSPF");
    EXPECT_EQ(FlightPlanHeaderOf(trip).to, "KOTR");

    const std::vector<CRoutePoint> navaids = {NavaidPoint(*database_, vorSpf_), NavaidPoint(*database_, ndbOt_)};
    EXPECT_EQ(ChartPageCount(navaids), 1);
    EXPECT_EQ(FlightPlanHeaderOf(navaids).to, "");
}

TEST_F(ChartFactsTest, TheProjectionPutsNorthUpAndEastRightAndSurvivesAZeroSpan) {
    const PageArea area{300, -500, 1800, -2500};
    const ChartProjection projection({-1000, 1000, 0, 2000}, area);
    EXPECT_LT(projection.At(-1000, 0).x, projection.At(1000, 0).x);  // east to the right
    EXPECT_GT(projection.At(0, 2000).y, projection.At(0, 0).y);      // north up
    EXPECT_EQ(projection.At(-1000, 2000).x, 300);
    EXPECT_EQ(projection.At(-1000, 2000).y, -500);
    EXPECT_EQ(projection.At(1000, 0).x, 1800);
    EXPECT_EQ(projection.At(1000, 0).y, -2500);

    // Points on one parallel and one meridian: the middle of the page, not a division by zero.
    const ChartProjection flat({500, 500, 700, 700}, area);
    EXPECT_EQ(flat.At(500, 700).x, 1050);
    EXPECT_EQ(flat.At(500, 700).y, -1500);
}

TEST_F(ChartFactsTest, ApproachTextsUseTheRunwayNumbersAndTheRouteFilesIls) {
    struct Case {
        const char* name;
        int airport;
        bool endTwo;
        const char* box;
        const char* profile;
        const char* ils;
    };
    const Case cases[] = {
        {"Springfield 270, variation -5", spf_, true, "RWY L28", "RWY 28L", "ISPF"},
        {"its other end", spf_, false, "RWY L10", "RWY 10L", ""},
        {"Thirdton 002: 36, never 00, its ILS at 358", thr_, true, "RWY 36", "RWY 36", "ITHR"},
        {"Thirdton's other end", thr_, false, "RWY 18", "RWY 18", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ApproachFacts> facts =
            ApproachFactsOf(*database_, AirportPoint(*database_, c.airport, c.endTwo));
        ASSERT_TRUE(facts);
        EXPECT_EQ(facts->runwayBox, c.box);
        EXPECT_EQ(facts->profileRunway, c.profile);
        EXPECT_EQ(facts->ilsIdent, c.ils);
    }
    const ApproachFacts spf = *ApproachFactsOf(*database_, AirportPoint(*database_, spf_, true));
    EXPECT_EQ(spf.ident, "KSPF");
    EXPECT_EQ(spf.atisFrequency, "118.25");
    EXPECT_EQ(spf.ilsFrequency, "110.30");
    EXPECT_EQ(spf.elevation, "Alt: 1234'");
    EXPECT_EQ(spf.course, "270");
    EXPECT_FALSE(spf.navaids.empty());
}

TEST_F(ChartFactsTest, HoldingTextsAndStaleIndexes) {
    struct Case {
        double holding;
        const char* fix;
        const char* altitude;
    };
    const Case cases[] = {
        {kNoHolding, "No Holding", ""},
        {kHolding10Nm, "10nm", "Alt Range: 1234"},
        {kHoldingNotPlaced, "", ""},
        {1.0, "OT", "Alt Range: 450"},  // the navaid list's second entry
        {4000.0, "", ""},               // no longer in the list
    };
    for (const Case& c : cases) {
        CRoutePoint point = AirportPoint(*database_, spf_, true);
        point.holding = c.holding;
        const ApproachFacts facts = *ApproachFactsOf(*database_, point);
        EXPECT_EQ(facts.holdingFix, c.fix) << c.holding;
        EXPECT_EQ(facts.holdingAltitude, c.altitude) << c.holding;
    }
    CRoutePoint gone = AirportPoint(*database_, spf_, true);
    gone.databaseNumber = 99;
    EXPECT_FALSE(ApproachFactsOf(*database_, gone));
}

}  // namespace
}  // namespace trevalo
