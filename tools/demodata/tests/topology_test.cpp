#include <string>

#include <gtest/gtest.h>

#include "demo_world.h"
#include "map/nav_database.h"
#include "map_tiles.h"
#include "testing/temp_environment.h"
#include "topology.h"

namespace demodata {
namespace {

// Two quantized arcs; the second ring walks arc 1 backwards.
constexpr char kTopology[] = R"({"type":"Topology",
  "transform":{"scale":[0.5,0.25],"translate":[-180,-90]},
  "objects":{"land":{"type":"GeometryCollection","geometries":[
    {"type":"Polygon","arcs":[[0,1]]},
    {"type":"MultiPolygon","arcs":[[[-2]]]}]}},
  "arcs":[[[0,0],[2,0],[0,4]],[[2,4],[-2,0],[0,-4]]]})";

TEST(TopologyPolygons, StitchesDeltaEncodedArcs) {
    const auto polygons = TopologyPolygons(kTopology, "land");
    ASSERT_TRUE(polygons.has_value());
    ASSERT_EQ(polygons->size(), 2u);
    ASSERT_EQ((*polygons)[0].size(), 1u);
    const Ring& square = (*polygons)[0][0];
    ASSERT_EQ(square.size(), 5u);  // the shared point once
    EXPECT_DOUBLE_EQ(square[0].longitude, -180.0);
    EXPECT_DOUBLE_EQ(square[1].longitude, -179.0);
    EXPECT_DOUBLE_EQ(square[2].latitude, -89.0);
    EXPECT_DOUBLE_EQ(square[4].longitude, -180.0);
    EXPECT_DOUBLE_EQ(square[4].latitude, -90.0);
    const Ring& reversed = (*polygons)[1][0];
    ASSERT_EQ(reversed.size(), 3u);
    EXPECT_DOUBLE_EQ(reversed[0].latitude, -90.0);
    EXPECT_DOUBLE_EQ(reversed[2].longitude, -179.0);
}

TEST(TopologyPolygons, RejectsOtherText) {
    EXPECT_FALSE(TopologyPolygons("{\"arcs\":[]", "land").has_value());
    EXPECT_FALSE(TopologyPolygons(kTopology, "countries").has_value());
    EXPECT_FALSE(TopologyPolygons("[1, 2]", "land").has_value());
    // Odd members are passed over, not trusted.
    const auto odd = TopologyPolygons(R"({"arcs":[[[0,0]]],"objects":{"land":
        {"type":"Polygon","arcs":[[0, "x", 7, -9]]}}})",
                                      "land");
    ASSERT_TRUE(odd.has_value());
    ASSERT_EQ(odd->size(), 1u);
    EXPECT_EQ((*odd)[0][0].size(), 1u);
}

TEST(TileBytes, LoadAsTheSamePointsAndClampAtTheEdges) {
    const Ring ring = {{-122.3, 47.45}, {180.0, 90.0}, {-180.0, -90.0}};
    ASSERT_EQ(TileBytes(ring).size(), 24u);
    platform::testing::TempEnvironment env;
    DemoCounts counts;
    ASSERT_TRUE(WriteDemoWorld(env.driveC() / "Quillet", {}, {ring, ring}, counts));
    EXPECT_EQ(counts.tiles, 2u);
    trevalo::NavDatabase database("C:\\Quillet\\");
    database.LoadMapTiles();
    ASSERT_EQ(database.mapShapes.size(), 2u);
    const trevalo::MapShape& shape = database.mapShapes[0];
    ASSERT_EQ(shape.points.size(), 3u);
    constexpr double kUnit = 0.001;  // arc-seconds; one unit is far smaller
    EXPECT_NEAR(shape.points[0].longitude, -122.3 * 3600, kUnit);
    EXPECT_NEAR(shape.points[0].latitude, 47.45 * 3600, kUnit);
    EXPECT_NEAR(shape.points[1].longitude, 180.0 * 3600, kUnit);
    EXPECT_NEAR(shape.points[1].latitude, 90.0 * 3600, kUnit);
    EXPECT_DOUBLE_EQ(shape.points[2].latitude, -90.0 * 3600);
    EXPECT_EQ(TileName(1), "Map00001.tmp");
}

}  // namespace
}  // namespace demodata
