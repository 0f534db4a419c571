#include <string>

#include <gtest/gtest.h>

#include "map/route.h"
#include "route_fixture.h"

namespace trevalo::testing {
namespace {

std::string CellText(char kind, double x, double y) {
    const int cell = GridCell(x, y);
    char text[32];
    std::snprintf(text, sizeof text, "(%c%02d,%02d)", kind, cell / kGridRows, cell % kGridRows);
    return text;
}

using PickListTest = RouteWorldTest;

TEST_F(PickListTest, ListsBothRunwayDirectionsWithTheirIls) {
    struct Case {
        int airport;
        std::vector<std::string> entries;  // without the cell text, which is put in
    };
    const Case cases[] = {
        {1, {"[L28]KSPF\t%sSpringfield Regional", "[L10]KSPF\t%sSpringfield Regional\tISPF"}},
        {2, {"[R18]KOTR\t%sOtherton", "[R36]KOTR\t%sOtherton\tIOTR"}},
        // Runway 002 is 36, never 00; its ILS of 358 is 4 degrees off.
        {3, {"[36]KTHR\t%sThirdton", "[18]KTHR\t%sThirdton\tITHR"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.airport);
        dialogs_.shownAirports.clear();
        dialogs_.shownNavaids.clear();
        PickAirport(c.airport, "none");
        ASSERT_EQ(dialogs_.shownAirports.size(), 1u);
        const std::string cell = CellText('A', Airport(c.airport).x, Airport(c.airport).y);
        std::vector<std::string> expected;
        for (const std::string& entry : c.entries) {
            char text[128];
            std::snprintf(text, sizeof text, entry.c_str(), cell.c_str());
            expected.push_back(text);
        }
        EXPECT_EQ(dialogs_.shownAirports[0], expected);
        EXPECT_TRUE(dialogs_.shownNavaids[0].empty());
    }
}

TEST_F(PickListTest, ListsNavaidsByType) {
    const std::pair<int, const char*> cases[] = {
        {1, "[VOR]SPF\t%sSPRINGFIELD"}, {2, "[NDB]OT\t%sOTHERTON NDB"}, {4, "[DME]THD\t%sTHIRDTON DME"}};
    for (const auto& [navaid, format] : cases) {
        dialogs_.shownNavaids.clear();
        PickNavaid(navaid, "none");
        char text[128];
        std::snprintf(text, sizeof text, format, CellText('N', Navaid(navaid).x, Navaid(navaid).y).c_str());
        ASSERT_EQ(dialogs_.shownNavaids.size(), 1u);
        EXPECT_EQ(dialogs_.shownNavaids[0], std::vector<std::string>{text});
    }
}

TEST_F(PickListTest, ReturnsThePickedRecordsValues) {
    struct Case {
        std::string prefix;
        int kind;
        double x, y, course, number;
        bool flag;
        std::string ident;
    };
    const AirportRecord& spf = Airport(spf_);
    const NavaidRecord& ndb = Navaid(ndbOt_);
    const Case cases[] = {
        {"[L28]", 0, spf.x1, spf.y1, 90.0, 1, false, "KSPF"},
        {"[L10]", 0, spf.x2, spf.y2, 270.0, 1, true, "KSPF"},
        {"[NDB]OT", 2, ndb.x, ndb.y, 0.0, 2, true, "OT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        dialogs_.choosePrefix = c.prefix;
        double x = 0, y = 0, course = 0, number = 0;
        bool flag = !c.flag;
        std::string ident;
        const bool airport = c.kind == 0;
        const int kind =
            route_->BuildPickList(airport ? spf.x : ndb.x, airport ? spf.y : ndb.y, x, y, course, number, flag, ident);
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(course, c.course);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(ident, c.ident);
    }
}

TEST_F(PickListTest, NothingNearShowsNoDialog) {
    double x = 0, y = 0, course = 0, number = 0;
    bool flag = true;
    std::string ident;
    EXPECT_EQ(route_->BuildPickList(0.0, 0.0, x, y, course, number, flag, ident), -1);
    EXPECT_TRUE(dialogs_.shownAirports.empty());
}

TEST_F(PickListTest, EachListHoldsAtMost499Entries) {
    const AirportRecord spf = Airport(spf_);
    auto& cell = database_->airportGrid[static_cast<size_t>(GridCell(spf.x, spf.y))];
    for (int i = 0; i < 300; ++i) {
        cell.push_back(spf);
    }
    PickAirport(spf_, "none");
    ASSERT_EQ(dialogs_.shownAirports.size(), 1u);
    EXPECT_EQ(dialogs_.shownAirports[0].size(), 499u);
}

}  // namespace
}  // namespace trevalo::testing
