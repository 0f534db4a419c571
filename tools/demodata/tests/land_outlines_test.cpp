#include "land_outlines.h"

#include <gtest/gtest.h>

namespace demodata {
namespace {

// Whether the map's odd-even fill of the ring covers the point.
bool Filled(const Ring& ring, GeoPoint p) {
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const GeoPoint& a = ring[i];
        const GeoPoint& b = ring[j];
        if ((a.latitude > p.latitude) != (b.latitude > p.latitude) &&
            p.longitude <
                a.longitude + (p.latitude - a.latitude) * (b.longitude - a.longitude) / (b.latitude - a.latitude))
            inside = !inside;
    }
    return inside;
}

Ring Square(double west, double south, double east, double north) {
    return {{west, south}, {east, south}, {east, north}, {west, north}, {west, south}};
}

// A land of 30 by 20 degrees round a sea crossing 50 E, as the Caspian lies in Eurasia.
TEST(TileRings, AnInlandSeaShowsAsWaterInOneRing) {
    const Polygon land = {Square(35, 30, 65, 50), Square(46, 37, 54, 47)};
    const std::vector<Ring> rings = TileRings({land});
    ASSERT_EQ(rings.size(), 1u);
    const struct {
        GeoPoint point;
        bool land;
    } cases[] = {{{50, 42}, false}, {{47, 40}, false}, {{53.9, 46.9}, false}, {{40, 40}, true},
                 {{50, 48}, true},  {{50, 33}, true},  {{60, 49}, true},      {{70, 40}, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Filled(rings[0], c.point), c.land) << c.point.longitude << " " << c.point.latitude;
    }
    // The bridge runs along 50 E, from the sea's north shore to the land's.
    int onMeridian = 0;
    for (const GeoPoint& p : rings[0]) onMeridian += p.longitude == 50.0 ? 1 : 0;
    EXPECT_EQ(onMeridian, 4);
}

// Antarctica's polygon closes round the South Pole with a hole at 90 S: the ring goes
// down to the pole along the map's edges instead.
TEST(TileRings, ALandRoundThePoleIsFilledToThePole) {
    const Ring coast = {{-180, -84}, {-60, -70}, {60, -66}, {179.5, -84.2}, {-180, -84}};
    const Ring cap = {{-180, -90}, {0, -90}, {179.9, -90}, {-180, -90}};
    const std::vector<Ring> rings = TileRings({{coast, cap}});
    ASSERT_EQ(rings.size(), 1u);
    for (const GeoPoint& p : {GeoPoint{0, -89.5}, GeoPoint{-179, -89.9}, GeoPoint{120, -86}, GeoPoint{0, -75}})
        EXPECT_TRUE(Filled(rings[0], p)) << p.longitude << " " << p.latitude;
    EXPECT_FALSE(Filled(rings[0], {0, -60}));
}

TEST(TileRings, PolygonsWithoutHolesStayAsTheyAre) {
    const Ring island = Square(-10, 50, -5, 55);
    const std::vector<Ring> rings = TileRings({{island}, {}});
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(rings[0].size(), island.size());
}

}  // namespace
}  // namespace demodata
