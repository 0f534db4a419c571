#include "adf/route_file.h"

#include <gtest/gtest.h>

#include "navdata_testing/scenery_lines.h"

namespace {

using Lines = std::vector<std::string>;
using adf::AirportSection;
using adf::HoldingPlace;
using adf::NavaidSection;
using adf::OtherSection;
using adf::RouteFile;

const std::string kAirport = navdata::testing::SceneryAirportLine({});
const std::string kVor = navdata::testing::SceneryNavaidLine({});
const std::string kNdb = [] {
    navdata::testing::NavaidFields ndb;
    ndb.type = "NDB";
    ndb.ident = "OT";
    return navdata::testing::SceneryNavaidLine(ndb);
}();
const std::string kDme = [] {
    navdata::testing::NavaidFields dme;
    dme.type = "DME";
    dme.ident = "THD";
    return navdata::testing::SceneryNavaidLine(dme);
}();
const std::string kIls = navdata::testing::SceneryIlsLine({});

AirportSection Departure() {
    AirportSection departure{.airportLine = kAirport, .runwayEnd = true, .runwayHeading = 270.0};
    departure.procedure =
        adf::Procedure{adf::ProcedureKind::Sid, "SPF1", "SPRINGFIELD ONE", {"t01=DF:SPF:", "t02=TF:OT:"}};
    return departure;
}

AirportSection Landing() {
    AirportSection landing{.airportLine = kAirport, .runwayHeading = 90.5};
    landing.procedure = adf::Procedure{adf::ProcedureKind::Star, "OTR2", "OTHERTON TWO", {"t01=TF:OT:"}};
    landing.userWaypoints = {{46.5, 121.5}, {-0.5, -8.25}};
    landing.ilsLine = kIls;
    return landing;
}

// A route of every kind of section, with holding and a corrected start.
RouteFile EveryKindOfSection() {
    RouteFile file;
    file.holdings = {{1, 2, HoldingPlace::Navaid, kVor},
                     {2, -1, HoldingPlace::TenMiles, {}},
                     {3, -3, HoldingPlace::NoHolding, {}},
                     {4, 0, HoldingPlace::Unknown, {}}};
    file.correctedStart = adf::CorrectedStart{47.5, -122.25};
    file.sections = {Departure(),
                     NavaidSection{kVor, 45, adf::VorRole::Vor2, adf::VorDirection::From},
                     NavaidSection{kVor, 300, adf::VorRole::Vor1, adf::VorDirection::To},
                     NavaidSection{.navaidLine = kNdb},
                     OtherSection{},
                     OtherSection{.dmeLine = kDme},
                     OtherSection{kIls},
                     Landing(),
                     AirportSection{.airportLine = kAirport}};
    return file;
}

TEST(RouteFile, EverySectionReadsBackAsWritten) {
    const RouteFile file = EveryKindOfSection();
    EXPECT_EQ(adf::ReadRouteFile(adf::WriteRouteFile(file)), file);
    EXPECT_EQ(adf::ReadRouteFile(adf::WriteRouteFile(RouteFile{})), RouteFile{});
}

TEST(RouteFile, WritesTheSuitesLines) {
    struct Case {
        const char* what;
        RouteFile file;
        Lines lines;
    };
    const Case cases[] = {
        {"departure with a SID",
         {{}, {}, {Departure()}},
         {"NAVAIDINFO_300:", kAirport, "[END]270.000000", "[SID_ID]SPF1", "[SID_NM]SPRINGFIELD ONE",
          "[SIDSTAR]t01=DF:SPF:", "[SIDSTAR]t02=TF:OT:", "[ENDSECTION]"}},
        {"landing with a STAR, user waypoints after its legs, then the ILS",
         {{}, {}, {Landing()}},
         {"NAVAIDINFO_300:", kAirport, "[BEG]90.500000", "[STAR_ID]OTR2", "[STAR_NM]OTHERTON TWO",
          "[SIDSTAR]t01=TF:OT:", "[SIDSTAR_EXTRA]46.500000:121.500000", "[SIDSTAR_EXTRA]-0.500000:-8.250000", "[ILS]",
          kIls, "[ENDSECTION]"}},
        {"VOR, NDB, DME and a point without a body",
         {{},
          {},
          {NavaidSection{kVor, 45, adf::VorRole::Vor1, adf::VorDirection::To}, NavaidSection{.navaidLine = kNdb},
           OtherSection{.dmeLine = kDme}, OtherSection{}}},
         {"NAVAIDINFO_300:", kVor, "[RADIAL_N]:-045-", "[LPARAM]VOR1", "[LPARAM]TO", "[ENDSECTION]", "NAVAIDINFO_301:",
          kNdb, "[RADIAL_N]:-000-", "[ENDSECTION]", "NAVAIDINFO_302:", "[DME]" + kDme, "NAVAIDINFO_303:"}},
        {"a procedure's texts kept on their lines",
         {{},
          {},
          {AirportSection{
              .airportLine = kAirport,
              .procedure = adf::Procedure{adf::ProcedureKind::Sid, "SPF\n1", "ONE\tTWO", {"t01=DF:\r\nSPF:"}}}}},
         {"NAVAIDINFO_300:", kAirport, "[BEG]0.000000", "[SID_ID]SPF 1", "[SID_NM]ONE TWO",
          "[SIDSTAR]t01=DF:  SPF:", "[ENDSECTION]"}},
        {"holding and corrected start before the sections",
         {{{1, 2, HoldingPlace::Navaid, kVor}, {2, {}, HoldingPlace::Unknown, {}}},
          adf::CorrectedStart{47.5, -122.25},
          {OtherSection{}}},
         {"\tATC_GIVE_HOLDING_104_LINE_NUM01:", "2", "\tATC_GIVE_HOLDING_104_LINE_01:", kVor,
          "\tATC_GIVE_HOLDING_104_LINE_NUM02:", "", "\tATC_GIVE_HOLDING_104_LINE_02:", "",
          "\tCORRECT_LAT_6000:", "47.500000", "\tCORRECT_LON_6001:", "-122.250000", "NAVAIDINFO_300:"}},
    };
    for (const Case& c : cases) EXPECT_EQ(adf::WriteRouteFile(c.file), c.lines) << c.what;
}

// The route part inside a whole definition, with the irregular lines a hand-edited or
// older file may hold.
TEST(RouteFile, ReadsTheRoutePartOfADefinition) {
    const Lines lines = {
        "\tTITLE_000:",
        "Trip",
        "\tATC_GIVE_HOLDING_104:",
        "1",
        "\tATC_GIVE_HOLDING_104_LINE_NUM01:",
        "-3",
        "\tATC_GIVE_HOLDING_104_LINE_01:",
        "NOHOLD",
        "\tATC_GIVE_HOLDING_104_LINE_NUM01:",
        "7",  // only the first key line counts
        "\tCORRECT_LAT_6000:",
        "47.5",  // without its longitude: no corrected start
        "NAVAIDINFO_300:",
        kVor,
        "[RADIAL_N]:-123-",
        "[LPARAM]VOR2",
        "NAVAIDINFO_301:",
        kAirport,
        "[END]1.5",
        "[BEG]2.5",
        "[ILS]",  // no [ENDSECTION] before the next
        "NAVAIDINFO_302:",
        kNdb,
        "[RADIAL_N]",
        "[BEG]9.0",
        "[ENDSECTION]",
        "stray line",
        "[ENDSECTION]",
        "NAVAIDINFO_303:",
        "",
        "NAVAIDINFO_305:",
        kAirport,
        "[ENDSECTION]",  // out of sequence: the route has ended
        "\tWX_TYPE_4000:",
        "0",
    };
    const RouteFile file = adf::ReadRouteFile(lines);
    EXPECT_EQ(file.holdings, (std::vector<adf::Holding>{{1, -3, HoldingPlace::NoHolding, {}}}));
    EXPECT_FALSE(file.correctedStart);
    ASSERT_EQ(file.sections.size(), 4u);
    EXPECT_EQ(file.sections[0],
              adf::RouteSection(NavaidSection{.navaidLine = kVor, .radial = 123, .role = adf::VorRole::Vor2}));
    // The last runway line counts; "[ILS]" at the section's end names no ILS.
    EXPECT_EQ(file.sections[1], adf::RouteSection(AirportSection{.airportLine = kAirport, .runwayHeading = 2.5}));
    // A navaid's section takes no airport tags, and a radial line without digits reads 0.
    EXPECT_EQ(file.sections[2], adf::RouteSection(NavaidSection{.navaidLine = kNdb}));
    EXPECT_EQ(file.sections[3], adf::RouteSection(OtherSection{""}));
    EXPECT_EQ(adf::RecordLineOf(file.sections[1]), kAirport);
    EXPECT_EQ(adf::RecordLineOf(file.sections[3]), "");
}

TEST(RouteFile, WithoutTheFirstSectionThereIsNoRoute) {
    const Lines lines = {"\tCORRECT_LAT_6000:", "1.25", "\tCORRECT_LON_6001:", "-2.5",
                         "NAVAIDINFO_301:",     kVor,   "[ENDSECTION]"};
    const RouteFile file = adf::ReadRouteFile(lines);
    EXPECT_TRUE(file.sections.empty());
    EXPECT_EQ(file.correctedStart, (adf::CorrectedStart{1.25, -2.5}));
    EXPECT_TRUE(adf::ReadRouteFile(Lines{}).sections.empty());
}

}  // namespace
