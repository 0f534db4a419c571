#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "navdb/map_tile.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

std::string LittleEndian(const std::vector<int32_t>& values) {
    std::string bytes;
    for (int32_t value : values) {
        const auto u = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    return bytes;
}

struct PointCase {
    const char* what;
    int32_t a, b;
    double latitude, longitude;  // degrees
};

const PointCase kPoints[] = {
    {"origin", 0, 0, 0.0, 0.0},
    {"45 N 45 E", 1 << 30, 1 << 29, 45.0, 45.0},
    {"most negative is 90 S 180 W", INT32_MIN, INT32_MIN, -90.0, -180.0},
    {"a quarter unit", 1 << 28, -(1 << 27), 11.25, -11.25},
};

TEST(DecodeMapTile, ScalesEachPairToArcSeconds) {
    for (const PointCase& c : kPoints) {
        SCOPED_TRACE(c.what);
        const MapShape shape = DecodeMapTile(LittleEndian({c.a, c.b}));
        ASSERT_EQ(shape.points.size(), 1u);
        EXPECT_DOUBLE_EQ(shape.points[0].latitude, c.latitude * 3600);
        EXPECT_DOUBLE_EQ(shape.points[0].longitude, c.longitude * 3600);
    }
}

TEST(DecodeMapTile, IgnoresATrailingIntegerAndBoxesByTruncatedTens) {
    // 11.25 N 11.25 W, then 45 S 45 E, then half a pair.
    const MapShape shape = DecodeMapTile(LittleEndian({1 << 28, -(1 << 27), -(1 << 30), 1 << 29, 7}));
    ASSERT_EQ(shape.points.size(), 2u);
    EXPECT_EQ(shape.minLatitude, -4);
    EXPECT_EQ(shape.maxLatitude, 1);
    EXPECT_EQ(shape.minLongitude, -1);
    EXPECT_EQ(shape.maxLongitude, 4);
}

TEST(DecodeMapTile, AnEmptyFileKeepsTheStartingBox) {
    const MapShape shape = DecodeMapTile(LittleEndian({5}));
    EXPECT_TRUE(shape.points.empty());
    EXPECT_EQ(shape.minLongitude, 200);
    EXPECT_EQ(shape.maxLatitude, -200);
}

TEST(LoadMapTiles, MakesOneShapePerTileInSearchOrderWithoutChangingFolder) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/Map/Map00002.tmp", LittleEndian({1 << 30, 0}));
    env.writeFile("drive_c/Quillet/Map/Map00001.tmp", LittleEndian({0, 1 << 29, 0, 0}));
    env.writeFile("drive_c/Quillet/Map/notes.txt", LittleEndian({1, 1}));
    const auto before = std::filesystem::current_path();

    NavDatabase database("C:\\Quillet\\");
    database.LoadMapTiles();
    ASSERT_EQ(database.mapShapes.size(), 2u);
    EXPECT_EQ(database.mapShapes[0].points.size(), 2u);
    EXPECT_DOUBLE_EQ(database.mapShapes[1].points[0].latitude, 45.0 * 3600);
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST(LoadMapTiles, ATileThatCannotBeOpenedEndsTheLoading) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/Map/Map00001.tmp", LittleEndian({0, 0}));
    std::filesystem::create_directories(env.driveC() / "Quillet" / "Map" / "Map00002.tmp");
    env.writeFile("drive_c/Quillet/Map/Map00003.tmp", LittleEndian({0, 0}));

    NavDatabase database("C:\\Quillet\\");
    database.LoadMapTiles();
    EXPECT_EQ(database.mapShapes.size(), 1u);
}

}  // namespace
}  // namespace trevalo
