#include <gtest/gtest.h>

#include "adventure_source.h"
#include "fixture_routes.h"
#include "record_lines.h"
#include "section_fixture.h"
#include "source_check.h"

namespace {

using namespace textorin;
using namespace textorin::testing;

TEST(Declarations, LongListsFlushedPastOneHundredCharacters) {
    DefinitionBuilder b;
    for (int i = 0; i < 5; ++i) b.Airport(RouteAirport(AirportLine({})));
    std::string text = SectionText(b, WriteDeclarations, false);
    // Each airport adds 66 characters to list A: flushed after the second and fourth.
    EXPECT_TRUE(Contains(text,
                         "\tDECLARE  dAirpAtis_001, dAirpIlsFreq_001, dAirpIlsObs_001, dAirpHdg_001, dAirpAtis_002, "
                         "dAirpIlsFreq_002, dAirpIlsObs_002, dAirpHdg_002\n"));
    EXPECT_TRUE(Contains(
        text, "\tDECLARE  dAirpAtis_005, dAirpIlsFreq_005, dAirpIlsObs_005, dAirpHdg_005\n'\tLanding values\n"));
}

TEST(Declarations, NdbHasNoVorValues) {
    NavaidSpec ndb;
    ndb.type = "NDB";
    DefinitionBuilder b;
    b.Airport(RouteAirport(AirportLine({}))).Ndb(NavaidLine(ndb)).Airport(RouteAirport(AirportLine({})));
    adf::Definition definition = b.Build();
    std::string source = WriteAdventureSource(definition);
    EXPECT_TRUE(Contains(source, "\tDECLARE  dNavType_001\n"));
    EXPECT_TRUE(Contains(source, "\tdNavFreq_001 \t= 113.90000\n"));
    EXPECT_FALSE(Contains(source, "dVorObs_001"));
    EXPECT_TRUE(Compiles(source));
}

TEST(Route, TheRouteEntrySixHundredIsNotTheCorrectedStart) {
    // 301 route points reach entry 600; the corrected start key "_6000" comes first.
    DefinitionBuilder b;
    b.CorrectedStart(1.0, 2.0);
    for (int i = 0; i < 300; ++i) b.Airport(RouteAirport(AirportLine({})));
    NavaidSpec vor;
    vor.ident = "LAST";
    b.Vor(NavaidLine(vor), 10);
    adf::Definition definition = b.Build();
    GenerationRun run(definition);
    ASSERT_EQ(run.route.Entries().size(), 301u);
    EXPECT_EQ(run.route.NavaidCount(), 1u);
    EXPECT_EQ(ReadNavaidFields(run.route.Leg(1).navaidLine).ident, "LAST");
}

TEST(Route, DepartureSectionIsFoundAtEntryThreeHundred) {
    DefinitionBuilder b;
    RouteAirport departure(AirportLine({}), 123.0, false, IlsLine({}));
    b.Airport(departure).Airport(RouteAirport(AirportLine({}), 45.0));
    adf::Definition definition = b.Build();
    GenerationRun run(definition);
    EXPECT_DOUBLE_EQ(run.route.Section(1).runwayHeading, 123.0);
    EXPECT_FALSE(run.route.Section(1).runwayBegin);
    EXPECT_FALSE(run.route.Section(1).ilsLine.empty());
    EXPECT_DOUBLE_EQ(run.route.Section(2).runwayHeading, 45.0);
}

TEST(Route, OddAirportCountNeverReadsPastTheLast) {
    DefinitionBuilder b;
    for (int i = 0; i < 3; ++i) b.Airport(RouteAirport(AirportLine({})));
    std::string source = WriteAdventureSource(b.Build());
    EXPECT_TRUE(Compiles(source));
    EXPECT_TRUE(Contains(source, "\tELSEIF iAirportCount = 4\n"));
    EXPECT_TRUE(Contains(source, "Cleared direct to []"));
}

TEST(Route, ProcedurePointsStopAtTenWhileEveryExtraPointCounts) {
    RouteAirport landing(AirportLine({}));
    landing.star = true;
    for (int i = 0; i < 12; ++i) {
        landing.sidStarLegs.push_back(LegText(41.0 + i * 0.01, 88.0, 1000, 3000));
        landing.extraPoints.push_back({41.5, 88.5});
    }
    DefinitionBuilder b;
    b.Airport(RouteAirport(AirportLine({}))).Airport(landing);
    adf::Definition definition = b.Build();
    GenerationRun run(definition);
    EXPECT_EQ(run.route.Section(2).points.size(), Route::kMaxProcedurePoints);
    EXPECT_EQ(run.route.Section(2).extraPoints.size(), 12u);

    // The declarations, the SID and the STAR all stop at the same numbers.
    std::string source = WriteAdventureSource(definition);
    EXPECT_TRUE(Compiles(source));
    EXPECT_TRUE(Contains(source, "\tDECLARE lSidStarLat_22, lSidStarLon_22\n"));
    EXPECT_FALSE(Contains(source, "lSidStarLat_23"));
    EXPECT_TRUE(Contains(source, "\tIF iAirportCount = 3'Airport count already changed\n\t\tlSidStarMax\t= 10\n"));
    EXPECT_TRUE(Contains(source, "\tIF iAirportCount = 3'Airport count already changed\n\t\tlSidStarMax\t= 22\n"));
    EXPECT_TRUE(Contains(source, "\tELSEIF lSidStarCnt  = 22\n"));
}

}  // namespace
