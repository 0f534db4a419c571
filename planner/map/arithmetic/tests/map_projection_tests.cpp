#include "maparithmetic/map_projection.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(ClampZoomTest, KeepsTheZoomWithinItsLimits) {
    const struct {
        long long zoom;
        int expected;
        bool clamped;
    } cases[] = {
        {725501LL * 2, 725501, true}, {725501, 725501, false}, {1, 1, false}, {0, 1, true}, {3 / 2, 1, false},
    };
    for (const auto& c : cases) {
        bool clamped = false;
        EXPECT_EQ(ClampZoom(c.zoom, clamped), c.expected) << c.zoom;
        EXPECT_EQ(clamped, c.clamped) << c.zoom;
    }
}

TEST(MapProjectionTest, WorldPointsRoundTripThroughLogicalUnits) {
    for (const int zoom : {1, 3, 1000, 725501}) {
        const MapProjection projection = MapProjection::ForScreen(zoom);
        // The world's top-left corner is the logical origin; y falls to minus the height.
        EXPECT_EQ(projection.ToLogical(-kLongitudeOrigin, kLatitudeOrigin), (platform::Point{0, 0})) << zoom;
        EXPECT_EQ(projection.LatToDevice(-kLatitudeOrigin), -WorldSizeAtZoom(zoom).cy) << zoom;
    }
    const MapProjection projection = MapProjection::ForScreen(1000);
    EXPECT_DOUBLE_EQ(projection.DeviceToLon(projection.LonToDevice(-440000)), -440000);
    EXPECT_DOUBLE_EQ(projection.DeviceToLat(projection.LatToDevice(170000)), 170000);
}

TEST(VisibleCellsTest, CoverTheGridCellsOfTheRectangle) {
    const MapProjection projection = MapProjection::ForScreen(1000);
    const auto rectOf = [&](double west, double north, double east, double south) {
        const platform::Point a = projection.ToLogical(west * 3600, north * 3600);
        const platform::Point b = projection.ToLogical(east * 3600, south * 3600);
        return platform::Rect{a.x, a.y, b.x, b.y};
    };
    const struct {
        const char* what;
        platform::Rect rect;
        VisibleCells expected;
    } cases[] = {
        {"whole world", rectOf(-180, 95, 180, -95), {0, 35, 0, 17}},
        {"round Frankfurt", rectOf(5, 55, 12, 45), {17, 18, 12, 13}},
        {"either side of the prime meridian", rectOf(-9.9, 5, 10, -5), {17, 18, 8, 8}},
    };
    for (const auto& c : cases) {
        const VisibleCells cells = GetVisibleCells(projection, c.rect);
        EXPECT_EQ(cells.firstColumn, c.expected.firstColumn) << c.what;
        EXPECT_EQ(cells.lastColumn, c.expected.lastColumn) << c.what;
        EXPECT_EQ(cells.firstRow, c.expected.firstRow) << c.what;
        EXPECT_EQ(cells.lastRow, c.expected.lastRow) << c.what;
    }
}

}  // namespace
}  // namespace trevalo
