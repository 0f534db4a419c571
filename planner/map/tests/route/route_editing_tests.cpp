#include <gtest/gtest.h>

#include "map/route.h"
#include "platform/message_box.h"
#include "route_fixture.h"

namespace trevalo::testing {
namespace {

using platform::MbResult;
using platform::MessageBoxRecorder;

constexpr const char* kTooMany = "You cannot have more than 500 waypoints\nRemove some before you continue\n";
constexpr const char* kUsePreviousVor = "Would you like to use the previous VOR ";

class RouteEditingTest : public RouteWorldTest {
protected:
    void FillRoute(int count, const CRoutePoint& last) {
        auto& points = route_->Points();
        for (int i = 0; i < count - 1; ++i) {
            CRoutePoint filler = NavaidPoint(*database_, ndbOt_);
            filler.x += i;  // distinct points
            filler.y += i;
            points.push_back(filler);
        }
        points.push_back(last);
    }

    std::vector<double> Types() const {
        std::vector<double> types;
        for (const CRoutePoint& point : route_->Points()) types.push_back(point.type);
        return types;
    }
};

TEST_F(RouteEditingTest, NoPickAppendsPast500Points) {
    struct Case {
        const char* what;
        int before;
        bool lastIsAirport;  // a pick after an airport adds the airport again first
    };
    const Case cases[] = {
        {"full route", 500, false},
        {"full route ending at an airport", 500, true},
        {"room for one, but the pick adds two", 499, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        route_->Points().clear();
        dialogs_.shownAirports.clear();
        FillRoute(c.before, c.lastIsAirport ? AirportPoint(*database_, spf_, false) : NavaidPoint(*database_, vorSpf_));
        MessageBoxRecorder boxes;
        PickNavaid(ndbOt_, "[NDB]");
        EXPECT_EQ(route_->Count(), c.before);
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{kTooMany});
        EXPECT_EQ(boxes.shown()[0].icon, platform::MbIcon::Stop);
    }
}

TEST_F(RouteEditingTest, UsingThePreviousVorNeedsRoomForTwoPoints) {
    FillRoute(499, NavaidPoint(*database_, vorSpf_, 90, kVor1Role));
    MessageBoxRecorder boxes({MbResult::Yes});
    PickNavaid(ndbOt_, "[NDB]");
    EXPECT_EQ(route_->Count(), 499);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kUsePreviousVor, kTooMany}));
}

TEST_F(RouteEditingTest, AnAirportEndingALegIsRepeatedFromItsOtherEnd) {
    MessageBoxRecorder boxes({MbResult::No});
    PickAirport(spf_, "[L10]");
    dialogs_.vorChoice = VorDialogChoice{0, 45, true};
    PickNavaid(vorSpf_, "[VOR]");
    PickAirport(otr_, "[R36]");
    dialogs_.vorChoice = VorDialogChoice{1, 120, false};
    PickNavaid(vorOtr_, "[VOR]");

    ASSERT_EQ(Types(), (std::vector<double>{kPointAirport, kPointVor, kPointAirport, kPointAirport, kPointVor}));
    const auto& points = route_->Points();
    EXPECT_TRUE(points[3].IsEqual(points[2]));
    EXPECT_TRUE(points[2].directionFlag);
    EXPECT_FALSE(points[3].directionFlag);
    EXPECT_EQ(points[4].vorRole, kVor2Role);
    EXPECT_EQ(points[4].course, 120);
    EXPECT_FALSE(points[4].directionFlag);
    // The VOR dialog measured from the last VOR1 point, corrected by the variation.
    ASSERT_EQ(dialogs_.vorRequests.size(), 2u);
    EXPECT_EQ(dialogs_.vorRequests[1].previousX, points[1].x);
    EXPECT_EQ(dialogs_.vorRequests[1].x, points[4].x);
    EXPECT_EQ(dialogs_.vorRequests[0].previousX, -1.0);
}

TEST_F(RouteEditingTest, APickSharingALatitudeOrLongitudeWithTheLastPointAddsNothing) {
    PickAirport(spf_, "[L10]");
    PickAirport(spf_, "[L10]");
    EXPECT_EQ(route_->Count(), 1);

    CRoutePoint sameLatitude = NavaidPoint(*database_, vorSpf_);
    sameLatitude.y = Navaid(ndbOt_).y;
    route_->Points() = {sameLatitude};
    MessageBoxRecorder boxes({MbResult::No});
    PickNavaid(ndbOt_, "[NDB]");
    EXPECT_EQ(route_->Count(), 1);
}

TEST_F(RouteEditingTest, CancelInTheVorDialogDropsThePick) {
    dialogs_.vorChoice.reset();
    PickNavaid(vorSpf_, "[VOR]");
    EXPECT_EQ(route_->Count(), 0);
    EXPECT_EQ(host_.redraws, 0);
}

TEST_F(RouteEditingTest, UsingThePreviousVorAddsItsCopyWithTheNewRadial) {
    route_->Points() = {AirportPoint(*database_, spf_, true), NavaidPoint(*database_, vorSpf_, 45, kVor1Role, true)};
    dialogs_.vorChoice = VorDialogChoice{1, 200, false};
    MessageBoxRecorder boxes({MbResult::Yes});
    PickNavaid(ndbOt_, "[NDB]");

    ASSERT_EQ(Types(), (std::vector<double>{kPointAirport, kPointVor, kPointVor, kPointNdb}));
    const CRoutePoint& copy = route_->Points()[2];
    EXPECT_EQ(copy.databaseNumber, vorSpf_);
    EXPECT_EQ(copy.course, 200);
    EXPECT_EQ(copy.vorRole, kVor2Role);
    EXPECT_FALSE(copy.directionFlag);
    EXPECT_EQ(boxes.shown()[0].icon, platform::MbIcon::Question);
}

TEST_F(RouteEditingTest, UndoTakesBackTheLastPointUntilTheRouteIsEmpty) {
    PickAirport(spf_, "[L10]");
    ASSERT_TRUE(route_->CanUndo());
    route_->OnUndoSelection();
    EXPECT_EQ(route_->Count(), 0);
    EXPECT_FALSE(route_->CanUndo());
    route_->OnUndoSelection();
    EXPECT_EQ(route_->Count(), 0);
}

TEST_F(RouteEditingTest, RemovingAPointTakesWhatHangsOnIt) {
    const CRoutePoint a = AirportPoint(*database_, spf_, true);
    const CRoutePoint fromVor = NavaidPoint(*database_, vorSpf_, 10, kVor1Role, false);
    const CRoutePoint toVor = NavaidPoint(*database_, vorSpf_, 10, kVor1Role, true);
    const CRoutePoint ndb = NavaidPoint(*database_, ndbOt_);
    CRoutePoint b = AirportPoint(*database_, otr_, false);
    CRoutePoint bAgain = b;
    bAgain.directionFlag = true;
    struct Case {
        const char* what;
        std::vector<CRoutePoint> route;
        int first;
        std::vector<double> left;
    };
    const Case cases[] = {
        {"below 1", {a, ndb}, 0, {kPointAirport, kPointNdb}},
        {"past the end", {a, ndb}, 3, {kPointAirport, kPointNdb}},
        {"a FROM VOR two places before goes too", {a, fromVor, ndb, b}, 4, {kPointAirport, kPointNdb}},
        {"a TO VOR two places before stays", {a, toVor, ndb, b}, 4, {kPointAirport, kPointVor, kPointNdb}},
        {"a repeated airport left last goes too", {a, b, bAgain, ndb}, 4, {kPointAirport, kPointAirport}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        route_->Points() = c.route;
        route_->RemoveRoutePoints(c.first);
        EXPECT_EQ(Types(), c.left);
    }
}

TEST_F(RouteEditingTest, RemovingAnAirportResetsTheLandingPageFromItOn) {
    route_->Points() = {AirportPoint(*database_, spf_, true), NavaidPoint(*database_, ndbOt_),
                        AirportPoint(*database_, otr_, false)};
    route_->RemoveRoutePoints(2);
    EXPECT_TRUE(landing_.resets.empty());
    EXPECT_EQ(landing_.refreshes, 0);
    route_->RemoveRoutePoints(2);
    EXPECT_EQ(landing_.resets, std::vector<int>{1});
    EXPECT_EQ(landing_.refreshes, 1);
}

TEST_F(RouteEditingTest, FileNewEmptiesTheRouteThenRunsTheApplicationsNew) {
    route_->Points() = {AirportPoint(*database_, spf_, true), NavaidPoint(*database_, ndbOt_)};
    route_->OnFileNew();
    EXPECT_EQ(route_->Count(), 0);
    EXPECT_EQ(host_.fileNews, 1);
}

TEST(RoutePointTest, EqualityIgnoresTheDirectionFlagAndTheProcedure) {
    CRoutePoint a;
    a.x = 1;
    a.ident = "KSPF";
    CRoutePoint b = a;
    b.directionFlag = !a.directionFlag;
    b.procedure.Add(1, 2, "t01=");
    EXPECT_TRUE(a.IsEqual(b));
    b.vorRole = kVor2Role;
    EXPECT_FALSE(a.IsEqual(b));
    b = a;
    b.holding = kNoHolding;
    EXPECT_FALSE(a.IsEqual(b));
}

}  // namespace
}  // namespace trevalo::testing
