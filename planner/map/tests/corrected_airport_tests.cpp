#include "map/corrected_airport.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kBaseDirectory = "C:\\Quillet\\";

class LookupCorrectedAirportTest : public ::testing::Test {
protected:
    void WriteCorrections(const std::string& bytes) {
        env_.writeFile("drive_c/Quillet/QuilletCorrect.nav", bytes);
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(LookupCorrectedAirportTest, FindsRecordByIdentAndRunway) {
    WriteCorrections(
        "id=LSZH\r\nrn=14\r\nlat=47.458000\r\nlon=-8.548000\r\n"
        "id=LSZH\r\nrn=28\r\nlat=47.460000\r\nlon=-8.530000\r\n"
        "  id=KSFO  \r\nrn=28L\r\nlat=37.610000\r\nlon=122.370000\r\n"
        "id=EGLL\r\nrn=27R\r\n");
    struct Case {
        const char* ident;
        const char* runway;
        bool found;
        double lat, lon;
    };
    const Case cases[] = {
        {"LSZH", "14", true, 47.458, -8.548},
        {"LSZH", "28", true, 47.46, -8.53},
        {" LSZH\t", "14", true, 47.458, -8.548},
        {"KSFO", "28L", true, 37.61, 122.37},
        {"lszh", "14", false, 0, 0},
        {"LSZH", "16", false, 0, 0},
        {"EGLL", "27R", false, 0, 0},
        {"", "", false, 0, 0},
    };
    for (const auto& c : cases) {
        double lat = 0;
        double lon = 0;
        EXPECT_EQ(LookupCorrectedAirport(c.ident, c.runway, kBaseDirectory, lat, lon), c.found)
            << c.ident << " " << c.runway;
        EXPECT_DOUBLE_EQ(lat, c.lat) << c.ident << " " << c.runway;
        EXPECT_DOUBLE_EQ(lon, c.lon) << c.ident << " " << c.runway;
    }
}

TEST_F(LookupCorrectedAirportTest, MissingFileFindsNothing) {
    double lat = 1;
    double lon = 2;
    EXPECT_FALSE(LookupCorrectedAirport("LSZH", "14", kBaseDirectory, lat, lon));
    EXPECT_EQ(lat, 1);
    EXPECT_EQ(lon, 2);
}

}  // namespace
}  // namespace trevalo
