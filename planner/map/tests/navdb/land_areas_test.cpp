#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "navdb/land_areas.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

struct Area {
    int red, green, blue;
    double w, x, y, z;  // degrees
};

struct LandCase {
    const char* what;
    std::vector<std::string> lines;
    std::vector<Area> areas;
};

const LandCase kCases[] = {
    {"rgb colours the next area only; w and y swapped",
     {"rgb(0,128,255)", "w:20", "x:40", "y:10", "z:50", "w:1", "x:2", "y:3", "z:4"},
     {{0, 128, 255, 10, 40, 20, 50}, {192, 160, 111, 1, 2, 3, 4}}},
    {"x and z swapped", {"w:1", "x:9", "y:3", "z:4"}, {{192, 160, 111, 1, 4, 3, 9}}},
    {"a value above 255 is stored as 255", {"rgb(300,1,1)", "w:1", "x:2", "y:3", "z:4"}, {{255, 1, 1, 1, 2, 3, 4}}},
    {"another line sets the default colour back",
     {"rgb(1,2,3)", "w:1", "x:2", "Sahara", "y:3", "z:4"},
     {{192, 160, 111, 1, 2, 3, 4}}},
    {"comments, empty and blank-padded lines",
     {"; note", "", "  rgb(5,6,7)  ", "\tw:1.5", "x:-2", "y:3", "z:4"},
     {{5, 6, 7, 1.5, -2, 3, 4}}},
    {"three bounds make no area", {"w:1", "x:2", "y:3"}, {}},
};

TEST(ReadLandAreas, StoresAnAreaOnceAllFourBoundsAreSet) {
    for (const LandCase& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<LandArea> areas;
        ReadLandAreas(c.lines, areas);
        ASSERT_EQ(areas.size(), c.areas.size());
        for (size_t i = 0; i < areas.size(); ++i) {
            const Area& e = c.areas[i];
            EXPECT_EQ(areas[i].red, e.red);
            EXPECT_EQ(areas[i].green, e.green);
            EXPECT_EQ(areas[i].blue, e.blue);
            EXPECT_EQ(areas[i].minLongitude, static_cast<int32_t>(e.w * 3600));
            EXPECT_EQ(areas[i].minLatitude, static_cast<int32_t>(e.x * 3600));
            EXPECT_EQ(areas[i].maxLongitude, static_cast<int32_t>(e.y * 3600));
            EXPECT_EQ(areas[i].maxLatitude, static_cast<int32_t>(e.z * 3600));
        }
    }
}

TEST(ReadLandAreas, OutOfRangeNumbersSaturate) {
    std::vector<LandArea> areas;
    ReadLandAreas({"rgb(99999999999,0,0)", "w:nan", "x:1e300", "y:-1e300", "z:4"}, areas);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].red, 255);
    EXPECT_EQ(areas[0].minLongitude, 0);
    EXPECT_EQ(areas[0].maxLongitude, INT32_MIN);
    EXPECT_EQ(areas[0].minLatitude, 4 * 3600);
    EXPECT_EQ(areas[0].maxLatitude, INT32_MAX);
}

// Land3.nav has the LF line ends of a Linux editor: it reads as the others do.
TEST(LoadLandFiles, ReadsEveryLandFileAndReportsOneThatCannotBeOpened) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    env.writeFile("drive_c/Quillet/Land1.nav", "w:1\r\nx:2\r\ny:3\r\nz:4\r\n");
    env.writeFile("drive_c/Quillet/Land3.nav", "w:5\nx:6\ny:7\nz:8\n");
    env.writeFile("drive_c/Quillet/Other.nav", "w:9\r\nx:9\r\ny:9\r\nz:9\r\n");
    // Found by the search but no file to open, even for root.
    std::filesystem::create_directories(env.driveC() / "Quillet" / "Land2.nav");

    NavDatabase database("C:\\Quillet\\");
    database.LoadLandFiles();
    ASSERT_EQ(database.landAreas.size(), 2u);
    EXPECT_EQ(database.landAreas[0].minLongitude, 3600);
    EXPECT_EQ(database.landAreas[1].minLongitude, 5 * 3600);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"The Land file 'Land2.nav', was found but could not be opened\n"
                                                      "Please ensure that the system has full access to the file\n"});
}

}  // namespace
}  // namespace trevalo
