#include "map/corrected_airport.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kBaseDirectory = "C:\\Quillet\\";

class LookupCorrectedAirportTest : public ::testing::Test {
protected:
    void WriteCorrections(const std::string& bytes) { env_.writeFile("drive_c/Quillet/QuilletCorrect.nav", bytes); }

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
        {"KSFO", "L28", true, 37.61, 122.37},
        {"KSFO", " 28 L ", true, 37.61, 122.37},
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

TEST_F(LookupCorrectedAirportTest, RunwaysCompareWithoutBlanksAndWithTheNumberPadded) {
    struct Case {
        const char* typed;
        const char* key;
    };
    const Case cases[] = {{"9", "09"},  {" 09 ", "09"}, {"9L", "09L"}, {"L09", "09L"},
                          {"16", "16"}, {"L", "L"},     {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(RunwayKey(c.typed), c.key) << '"' << c.typed << '"';

    // As stored by an earlier version: the number typed without its zero.
    WriteCorrections("id=LFPG\r\nrn=9L\r\nlat=49.0\r\nlon=-2.5\r\n");
    double lat = 0;
    double lon = 0;
    EXPECT_TRUE(LookupCorrectedAirport("LFPG", "L09", kBaseDirectory, lat, lon));
    EXPECT_DOUBLE_EQ(lon, -2.5);
}

TEST_F(LookupCorrectedAirportTest, RecordsStartOnlyWithAnIdLine) {
    const std::vector<std::string> lines = {
        "xx=LSZH",  "rn=14",  "lat=1",   "lon=2",                             // not an id line
        "id=EDDF",  "rn=07",  "id=EDDM", "rn=08", "lat=48.35", "lon=-11.78",  // a broken record, then one
        "lat=EDDF", "lon=07",
    };
    const std::vector<FoundCorrection> found = ReadCorrections(lines);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].correction.ident, "EDDM");
    EXPECT_EQ(found[0].firstLine, 6u);
    EXPECT_FALSE(FindCorrection(lines, "LSZH", "14"));
    EXPECT_FALSE(FindCorrection(lines, "EDDF", "07"));
    EXPECT_EQ(CorrectionLines({" EDDM ", " 08 ", 48.35, -11.78}),
              (std::vector<std::string>{"id=EDDM", "rn=08", "lat=48.350000", "lon=-11.780000"}));
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
