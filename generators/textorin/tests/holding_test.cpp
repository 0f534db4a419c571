#include <gtest/gtest.h>

#include "adventure_source.h"
#include "platform/message_box.h"
#include "record_lines.h"
#include "section_fixture.h"
#include "source_check.h"

namespace {

using namespace textorin;
using namespace textorin::testing;

DefinitionBuilder TwoAirportHolding(adf::HoldingPlace place, const std::string& navaidLine = {}) {
    DefinitionBuilder b;
    b.Set(keys::kHolding, "1")
        .Holding(1, -3, place, navaidLine)
        .Airport(RouteAirport(AirportLine({})))
        .Airport(RouteAirport(AirportLine({})));
    return b;
}

TEST(Holding, NoHoldClearsTheStackPosition) {
    platform::MessageBoxRecorder boxes;
    std::string text = SectionText(TwoAirportHolding(adf::HoldingPlace::NoHolding), WriteHoldingValues);
    EXPECT_TRUE(Contains(text,
                         "\tdHoldLat_01 = -1\n\tdHoldLon_01 = -1\n\tnHoldingAlt_01 = -1\n"
                         "\tnHoldingLatMax_01  \t= -1\n\tnHoldingLatMin_01  \t= -1\n"
                         "\tnHoldingLonMin_01 \t= -1\n\tnHoldingLonMax_01 \t= -1\n"));
    EXPECT_TRUE(
        text.ends_with("\tnHoldingLonMin\t\t = nHoldingLonMin_01\n"
                       "\tIF nHoldingLatMax = nHoldingLatMin AND nHoldingLatMax = -1\n"
                       "\t\tnHoldingPos = 0\t'No holding at this airport\n\tENDIF\n"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(Holding, NavaidCentreAndItsBox) {
    NavaidSpec vor;
    vor.latitude = AngleText('S', 33, 5);
    vor.longitude = AngleText('E', 151, 10);
    vor.elevation = 21;
    DefinitionBuilder b = TwoAirportHolding(adf::HoldingPlace::Navaid, NavaidLine(vor));
    b.Set(keys::kLatitudeHemisphere, "North").Set(keys::kLongitudeHemisphere, "West");
    adf::Definition definition = b.Build();
    GenerationRun run(definition);
    WriteDeclarations(run);
    WriteHemisphereLines(run);
    size_t start = run.out.Text().size();
    WriteHoldingValues(run);
    std::string text = run.out.Text().substr(start);
    EXPECT_TRUE(
        Contains(text, "\tdHoldLat_01 = -033:05:00.00\n\tdHoldLon_01 = -151:10:00.00\n\tnHoldingAlt_01 = 21\n\n"));
    // South and east: every box value carries the minus sign. One minute of latitude
    // either side reads as whole minutes, not as 60.00 seconds of the minute before.
    for (const char* value : {"\tnHoldingLatMin_01 \t= -33:04:0.00\n", "\tnHoldingLatMax_01  \t= -33:06:0.00\n",
                              "\tnHoldingLonMin_01 \t= -151:08:48.39\n", "\tnHoldingLonMax_01 \t= -151:11:11.61\n"})
        EXPECT_TRUE(Contains(text, value)) << value << "\n" << text;
}

TEST(Holding, AnUnplacedHoldingWarnsAndGoesOn) {
    platform::MessageBoxRecorder boxes;
    std::string text = SectionText(TwoAirportHolding(adf::HoldingPlace::Unknown), WriteHoldingValues);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              "You selected a Holding point within 10nm of the Airport\nYou must select a airport to land at.\n\n"
              "The Adventure file will not be created properly\n");
    EXPECT_FALSE(Contains(text, "dHoldLat_01 ="));
    EXPECT_TRUE(Contains(text, "\tIF nHoldingLatMax_01 < nHoldingLatMin_01 THEN\n"));
}

TEST(Holding, OneAirportRouteReferencesNoBox) {
    DefinitionBuilder b;
    b.Set(keys::kHolding, "1").Airport(RouteAirport(AirportLine({})));
    std::string source = WriteAdventureSource(b.Build());
    EXPECT_TRUE(Compiles(source));
    EXPECT_FALSE(Contains(source, "_01"));
}

}  // namespace
