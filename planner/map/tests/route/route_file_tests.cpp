#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "aerodrex/airport_line_layout.h"
#include "map/route.h"
#include "navdata/line_widths.h"
#include "platform/message_box.h"
#include "route_fixture.h"

namespace trevalo::testing {
namespace {

using platform::MbIcon;
using platform::MbResult;
using platform::MessageBoxRecorder;
using Lines = std::vector<std::string>;

constexpr const char* kTooMany = "You cannot have more than 500 waypoints\nRemove some before you continue\n";

class RouteFileTest : public RouteWorldTest {
protected:
    Lines FileLines() const {
        const std::string bytes = files_.ReadBaseFile(kRouteFileName);
        Lines lines;
        size_t start = 0;
        for (size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
        return lines;
    }

    std::string AirportLine(int number) const {
        char line[navdata::kAirportLineWidth + 1];
        database_->airportLines.GetALine(line, number - 1);
        return line;
    }

    std::string NavaidLine(int index) const {
        char line[navdata::kNavaidLineWidth + 1];
        database_->navaidLines.GetNLine(line, index);
        return line;
    }

    CRoutePoint WithHolding(CRoutePoint point, double holding) const {
        point.holding = holding;
        return point;
    }

    // The lines from the one equal to `first` up to the next "[ENDSECTION]", both included.
    static Lines SectionOf(const Lines& lines, const std::string& first) {
        Lines section;
        bool in = false;
        for (const std::string& line : lines) {
            in = in || line == first;
            if (in) section.push_back(line);
            if (in && line == "[ENDSECTION]") break;
        }
        return section;
    }

    std::unique_ptr<Route> ReadBack() {
        auto route = std::make_unique<Route>(*database_);
        route->AttachView(&dialogs_, &host_);
        route->ReadInternalAdf();
        return route;
    }
};

TEST_F(RouteFileTest, WritesAnAirportAndAVorSection) {
    route_->Points() = {AirportPoint(*database_, spf_, false),
                        NavaidPoint(*database_, vorSpf_, 45.7, kVor2Role, false)};
    route_->OnCreateAdventure();
    EXPECT_EQ(FileLines(), (Lines{"NAVAIDINFO_300:", AirportLine(spf_), "[BEG]90.000000", "[ENDSECTION]",
                                  "NAVAIDINFO_301:", NavaidLine(vorSpf_ - 1), "[RADIAL_N]:-045-", "[LPARAM]VOR2",
                                  "[LPARAM]FROM", "[ENDSECTION]"}));
    EXPECT_EQ(landing_.updates, 1);
    EXPECT_EQ(host_.generations, 1);
}

TEST_F(RouteFileTest, WritesNdbAndDmeSections) {
    route_->Points() = {NavaidPoint(*database_, ndbOt_), NavaidPoint(*database_, dmeThd_)};
    route_->OnCreateAdventure();
    EXPECT_EQ(FileLines(), (Lines{"NAVAIDINFO_300:", NavaidLine(ndbOt_ - 1), "[RADIAL_N]:-000-", "[ENDSECTION]",
                                  "NAVAIDINFO_301:", "[DME]" + NavaidLine(dmeThd_ - 1)}));
}

TEST_F(RouteFileTest, HoldingLinesForEveryAirportAfterTheFirst) {
    struct Case {
        double holding;
        std::string valueLine;
    };
    const Case cases[] = {
        {-3, "NOHOLD"},
        {-1, "10NM"},
        {2, NavaidLine(2)},  // the holding navaid's index in the navaid list
        // Values the writer does not know still get a value line.
        {0, ""},
        {1234, ""},
        {-7, ""},
    };
    landing_.holding = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.holding);
        route_->Points() = {AirportPoint(*database_, spf_, true),
                            WithHolding(AirportPoint(*database_, otr_, false), c.holding),
                            NavaidPoint(*database_, ndbOt_), WithHolding(AirportPoint(*database_, thr_, false), -3)};
        route_->OnCreateAdventure();
        const Lines lines = FileLines();
        ASSERT_GE(lines.size(), 9u);
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 9),
                  (Lines{"\tATC_GIVE_HOLDING_104_LINE_NUM01:", std::to_string(static_cast<int>(c.holding)),
                         "\tATC_GIVE_HOLDING_104_LINE_01:", c.valueLine, "\tATC_GIVE_HOLDING_104_LINE_NUM02:", "-3",
                         "\tATC_GIVE_HOLDING_104_LINE_02:", "NOHOLD", "NAVAIDINFO_300:"}));
    }
    landing_.holding = false;
    route_->OnCreateAdventure();
    EXPECT_EQ(FileLines().front(), "NAVAIDINFO_300:");
}

TEST_F(RouteFileTest, AStopKeepsThePreviousFile) {
    struct Case {
        const char* what;
        bool holding;
        std::vector<MbResult> answers;
        std::string message;
    };
    const Case cases[] = {
        {"holding asked for but not placed",
         true,
         {},
         "You selected to have holding at the airport(s).\nYou did not select where the plane will be "
         "Holding\nPress the 'Details' button next to holding."},
        {"Cancel at the ILS question",
         false,
         {MbResult::Cancel},
         "ILS - [IOTR] was found for landing at [KOTR]\n\tWould you like to use it."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        files_.WriteBaseFile(kRouteFileName, "previous route\r\n");
        landing_.holding = c.holding;
        route_->Points() = {AirportPoint(*database_, spf_, true), AirportPoint(*database_, otr_, true)};
        MessageBoxRecorder boxes(c.answers);
        route_->OnCreateAdventure();
        EXPECT_EQ(boxes.texts(), Lines{c.message});
        EXPECT_EQ(files_.ReadBaseFile(kRouteFileName), "previous route\r\n");
        EXPECT_EQ(host_.generations, 0);
    }
}

TEST_F(RouteFileTest, OnlyLandingAirportsAskForTheirIls) {
    const std::string ilsLine = navdata::testing::SceneryIlsLine([] {
        navdata::testing::IlsFields otr;
        otr.kind = 4;
        otr.ident = "IOTR";
        otr.airportIdent = "KOTR";
        otr.heading = 180.0;
        otr.side = "R0.000000";
        return otr;
    }());
    struct Case {
        MbResult answer;
        Lines body;
    };
    const Case cases[] = {
        {MbResult::Yes, {"[END]180.000000", "[ILS]", ilsLine, "[ENDSECTION]"}},
        {MbResult::No, {"[END]180.000000", "[ENDSECTION]"}},
    };
    for (const Case& c : cases) {
        // KOTR lands (second airport) and has an ILS; KTHR departs again (third) and is not asked.
        route_->Points() = {AirportPoint(*database_, spf_, true), AirportPoint(*database_, otr_, true),
                            AirportPoint(*database_, thr_, true)};
        MessageBoxRecorder boxes({c.answer});
        route_->OnCreateAdventure();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].icon, MbIcon::Question);
        EXPECT_EQ(boxes.shown()[0].buttons, platform::MbButtons::YesNoCancel);
        Lines expected{"NAVAIDINFO_301:", AirportLine(otr_)};
        expected.insert(expected.end(), c.body.begin(), c.body.end());
        EXPECT_EQ(SectionOf(FileLines(), "NAVAIDINFO_301:"), expected);
    }
}

TEST_F(RouteFileTest, ProceduresAndUserWaypointsOfALandingAirport) {
    CRoutePoint departure = AirportPoint(*database_, spf_, true);
    departure.procedure.head = 1;
    std::snprintf(departure.procedure.firstName, sizeof departure.procedure.firstName, "SPF1");
    std::snprintf(departure.procedure.secondName, sizeof departure.procedure.secondName, "SPRINGFIELD ONE");
    departure.procedure.Add(1, 2, "t01=DF:SPF:");
    CRoutePoint landing = AirportPoint(*database_, otr_, false);
    std::snprintf(landing.procedure.firstName, sizeof landing.procedure.firstName, "OTR2");
    std::snprintf(landing.procedure.secondName, sizeof landing.procedure.secondName, "OTHERTON TWO");
    landing.procedure.Add(3, 4, "t01=TF:OT:");
    landing.procedure.Add(5, 6, "t02=TF:OTR:");
    route_->Points() = {departure, landing};
    flightPlan_.routeList = {
        {"KSPF", "A", "N047* 27'12.34", "W122* 18'05.67"},       {"USER", "U", "N046* 00'00.00", "W121* 00'00.00"},
        {"USER_EXTRA", "U", "N046* 30'00.00", "W121* 30'00.00"}, {"USER", "U", "N046* 00'00.00", "W121* 00'00.00"},
        {"USER_EXTRA", "U", "S000* 30'00.00", "E008* 15'00.00"}, {"KOTR", "A", "N046* 00'00.00", "W121* 00'00.00"},
        {"USER_EXTRA", "U", "N001* 00'00.00", "W001* 00'00.00"},
    };
    route_->OnCreateAdventure();
    EXPECT_EQ(SectionOf(FileLines(), "NAVAIDINFO_300:"),
              (Lines{"NAVAIDINFO_300:", AirportLine(spf_), "[END]270.000000", "[SID_ID]SPF1", "[SID_NM]SPRINGFIELD ONE",
                     "[SIDSTAR]t01=DF:SPF:", "[ENDSECTION]"}));
    EXPECT_EQ(SectionOf(FileLines(), "NAVAIDINFO_301:"),
              (Lines{"NAVAIDINFO_301:", AirportLine(otr_), "[BEG]360.000000", "[STAR_ID]OTR2", "[STAR_NM]OTHERTON TWO",
                     "[SIDSTAR]t01=TF:OT:", "[SIDSTAR]t02=TF:OTR:", "[SIDSTAR_EXTRA]46.500000:121.500000",
                     "[SIDSTAR_EXTRA]-0.500000:-8.250000", "[ENDSECTION]"}));
}

TEST_F(RouteFileTest, CorrectedStartPositionOfTheFirstAirportsRunway) {
    struct Case {
        const char* what;
        int airport;
        bool endTwo;
        const char* correctedRunway;
        bool written;
    };
    const Case cases[] = {
        {"runway end in use", spf_, true, "L28", true},
        {"the other end is another runway", spf_, false, "L28", false},
        {"reciprocal of the end in use", spf_, false, "L10", true},
        // Without a side letter "%1s" gives a blank.
        {"runway 002 is 36, never 00", thr_, true, " 36", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string ident = c.airport == spf_ ? "KSPF" : "KTHR";
        files_.WriteBaseFile("QuilletCorrect.nav",
                             "id=" + ident + "\r\nrn=" + c.correctedRunway + "\r\nlat=47.5\r\nlon=-122.25\r\n");
        route_->Points() = {AirportPoint(*database_, c.airport, c.endTwo)};
        route_->OnCreateAdventure();
        const Lines lines = FileLines();
        const Lines corrected{"\tCORRECT_LAT_6000:", "47.500000", "\tCORRECT_LON_6001:", "-122.250000"};
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4) == corrected, c.written);
    }
}

TEST_F(RouteFileTest, AnEmptyRouteGivesAnEmptyFileAndReadsBackEmpty) {
    files_.WriteBaseFile(kRouteFileName, "previous route\r\n");
    route_->OnCreateAdventure();
    EXPECT_EQ(files_.ReadBaseFile(kRouteFileName), "");
    EXPECT_EQ(ReadBack()->Count(), 0);
}

TEST_F(RouteFileTest, AirportsVorsNdbsAndDmesReadBackAsWritten) {
    route_->Points() = {AirportPoint(*database_, spf_, true),
                        NavaidPoint(*database_, vorSpf_, 45, kVor1Role, true),
                        NavaidPoint(*database_, ndbOt_),
                        NavaidPoint(*database_, dmeThd_),
                        AirportPoint(*database_, otr_, false),
                        AirportPoint(*database_, otr_, true),
                        NavaidPoint(*database_, vorOtr_, 300, kVor2Role, false),
                        AirportPoint(*database_, thr_, true)};
    MessageBoxRecorder boxes({MbResult::No, MbResult::No});
    route_->OnCreateAdventure();
    const std::string written = files_.ReadBaseFile(kRouteFileName);
    std::string withLineFeeds;
    for (char c : written)
        if (c != '\r') withLineFeeds += c;
    // As written, and again with the LF line ends of an editor or git.
    for (const std::string& bytes : {written, withLineFeeds}) {
        files_.WriteBaseFile(kRouteFileName, bytes);
        const std::unique_ptr<Route> read = ReadBack();
        ASSERT_EQ(read->Count(), route_->Count());
        for (int i = 0; i < read->Count(); ++i) {
            SCOPED_TRACE(i);
            const CRoutePoint& expected = route_->Points()[static_cast<size_t>(i)];
            const CRoutePoint& actual = read->Points()[static_cast<size_t>(i)];
            EXPECT_TRUE(actual.IsEqual(expected)) << actual.ident << " " << actual.x << " " << actual.course;
            EXPECT_EQ(actual.directionFlag, expected.directionFlag);
        }
    }
}

TEST_F(RouteFileTest, ReadingMatchesAirportsByIdentSideAndHeadingModulo360) {
    navdata::testing::AirportFields thirdton;
    thirdton.ident = "KTHR";
    thirdton.side = 0;
    thirdton.runwayHeading = "359.5";  // the database's runway is 2.0: 2.5 degrees apart
    navdata::testing::AirportFields unknown;
    unknown.ident = "KXXX";
    const std::string ndbLine = NavaidLine(ndbOt_ - 1);
    files_.WriteBaseFile(kRouteFileName,
                         "\tOTHER_KEY:\r\n1\r\nNAVAIDINFO_300:\r\n" + navdata::testing::SceneryAirportLine(unknown) +
                             "\r\n[BEG]1.0\r\n[ENDSECTION]\r\nNAVAIDINFO_301:\r\n" +
                             navdata::testing::SceneryAirportLine(thirdton) +
                             "\r\n[END]2.0\r\n[ILS]\r\n[ENDSECTION]\r\n[ENDSECTION]\r\nNAVAIDINFO_302:\r\n" + ndbLine +
                             "\r\n[RADIAL_N]:-000-\r\n[ENDSECTION]\r\n");
    EXPECT_EQ(ReadBack()->Count(), 1) << "2.5 degrees apart is no match";

    // Within a degree across north.
    for (auto& cell : database_->airportGrid) {
        for (AirportRecord& airport : cell) {
            if (airport.number == thr_) airport.heading = 0.2;
        }
    }
    const std::unique_ptr<Route> read = ReadBack();
    ASSERT_EQ(read->Count(), 2);
    EXPECT_EQ(read->Points()[0].databaseNumber, thr_);
    EXPECT_TRUE(read->Points()[0].directionFlag);
    EXPECT_EQ(read->Points()[0].x, Airport(thr_).x2);
    EXPECT_EQ(read->Points()[0].course, 2.0);
    EXPECT_EQ(read->Points()[1].databaseNumber, ndbOt_);
}

// A runway comes back as the one its line was written from, also beside a parallel runway
// within a degree of it; a line the database no longer holds is found by ident, side and
// heading text, and failing those by the heading within a degree.
TEST_F(RouteFileTest, ReadingFindsTheRunwayTheLineWasWrittenFrom) {
    const int parallel = AddOthertonParallel();
    auto changed = [](std::string line, size_t column, const std::string& text) {
        return line.replace(column, text.size(), text);
    };
    const size_t elevationColumn = aerodrex::airport_line::kElevation.column;
    const size_t headingColumn = aerodrex::airport_line::kRunwayHeading.column;
    struct Case {
        const char* what;
        int written;
        std::function<std::string(std::string)> edit;  // the airport line in the file
        int read;
    };
    const Case cases[] = {
        {"the first of two parallels", otr_, nullptr, otr_},
        {"the second, longer parallel", parallel, nullptr, parallel},
        {"its elevation changed since", parallel,
         [&](std::string line) { return changed(std::move(line), elevationColumn, "99"); }, parallel},
        {"its heading text no longer in the database", parallel,
         [&](std::string line) { return changed(std::move(line), headingColumn, "180.3"); }, otr_},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        route_->Points() = {AirportPoint(*database_, spf_, true), AirportPoint(*database_, c.written, true)};
        MessageBoxRecorder boxes({MbResult::No});
        route_->OnCreateAdventure();
        Lines lines = FileLines();
        for (std::string& line : lines) {
            if (c.edit && line == AirportLine(c.written)) line = c.edit(line);
        }
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        files_.WriteBaseFile(kRouteFileName, bytes);
        const std::unique_ptr<Route> read = ReadBack();
        ASSERT_EQ(read->Count(), 2);
        const CRoutePoint& landing = read->Points()[1];
        EXPECT_EQ(landing.databaseNumber, c.read);
        EXPECT_EQ(landing.x, Airport(c.read).x2);
        EXPECT_EQ(landing.y, Airport(c.read).y2);
    }
}

TEST_F(RouteFileTest, ANavaidNotInTheDatabaseEmptiesTheRoute) {
    navdata::testing::NavaidFields moved;
    moved.ident = "GONE";
    files_.WriteBaseFile(kRouteFileName, "NAVAIDINFO_300:\r\n" + NavaidLine(ndbOt_ - 1) +
                                             "\r\n[ENDSECTION]\r\nNAVAIDINFO_301:\r\n" +
                                             navdata::testing::SceneryNavaidLine(moved) + "\r\n[ENDSECTION]\r\n");
    route_->Points() = {NavaidPoint(*database_, ndbOt_)};
    MessageBoxRecorder boxes;
    route_->ReadInternalAdf();
    EXPECT_EQ(route_->Count(), 0);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("Some, (or all), of the Navigation aid could not be found", 0), 0u);
}

TEST_F(RouteFileTest, ReadingStopsAt500PointsWithAMessage) {
    std::string bytes;
    for (int i = 0; i < 501; ++i) {
        bytes += "NAVAIDINFO_" + std::to_string(300 + i) + ":\r\n" + NavaidLine(ndbOt_ - 1) +
                 "\r\n[RADIAL_N]:-000-\r\n[ENDSECTION]\r\n";
    }
    files_.WriteBaseFile(kRouteFileName, bytes);
    MessageBoxRecorder boxes;
    route_->ReadInternalAdf();
    EXPECT_EQ(route_->Count(), 500);
    EXPECT_EQ(boxes.texts(), Lines{kTooMany});
}

TEST_F(RouteFileTest, AMissingFileLeavesTheRouteAlone) {
    route_->Points() = {NavaidPoint(*database_, ndbOt_)};
    route_->ReadInternalAdf();
    EXPECT_EQ(route_->Count(), 1);
}

TEST_F(RouteFileTest, AFileThatCannotBeCreatedAsksWhetherToQuit) {
    std::filesystem::create_directories(env_.driveC() / "Quillet" / kRouteFileName / "blocked");
    for (MbResult answer : {MbResult::No, MbResult::Yes}) {
        MessageBoxRecorder boxes({answer});
        route_->OnCreateAdventure();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text.rfind("An internal error occured and a file could not be Created", 0), 0u);
        EXPECT_EQ(boxes.shown()[0].defaultButton, 1);
    }
    EXPECT_EQ(host_.closes, 1);
    EXPECT_EQ(host_.generations, 0);
}

}  // namespace
}  // namespace trevalo::testing
