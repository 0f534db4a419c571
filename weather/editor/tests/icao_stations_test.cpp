#include "wx/icao_stations.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fsinstall/installation.h"
#include "platform/paths.h"
#include "testing/temp_environment.h"

namespace wx {
namespace {

constexpr const char* kSimFolder = "C:\\Sim\\";

fsinstall::Airport Airport(const char* ident, const char* name) {
    fsinstall::Airport airport;
    airport.ident = ident;
    airport.name = name;
    airport.country = "Nowhere";
    return airport;
}

// A stand-in installation whose stations have four- and three-letter idents.
class IcaoStationsTest : public ::testing::Test {
protected:
    IcaoStationsTest() {
        fsinstall::SceneryContent world;
        world.airports = {Airport("KSEA", "Seattle Tacoma"), Airport("LAX", "Los Angeles"),
                          Airport("EGLL", "London Heathrow")};
        fsinstall::InstallationOptions options;
        options.folder = kSimFolder;
        options.writeInstallKey = false;
        EXPECT_TRUE(fsinstall::WriteInstallation(options, world));
    }
    void AppendToPositions(const std::string& bytes) {
        std::ofstream(platform::HostPath(StationPositionsPath(kSimFolder)), std::ios::binary | std::ios::app) << bytes;
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(IcaoStationsTest, ListsEveryStationWithItsIdentTrimmed) {
    const auto stations = ReadStationNames(kSimFolder);
    ASSERT_TRUE(stations.has_value());
    ASSERT_EQ(stations->size(), 3u);
    EXPECT_EQ((*stations)[0].ident, "KSEA");
    EXPECT_EQ((*stations)[0].name, "Seattle Tacoma");
    EXPECT_EQ((*stations)[1].ident, "LAX");
    EXPECT_EQ((*stations)[1].name, "Los Angeles");
}

TEST_F(IcaoStationsTest, EveryListedStationHasItsRecordNumber) {
    const auto stations = ReadStationNames(kSimFolder);
    ASSERT_TRUE(stations.has_value());
    for (size_t i = 0; i < stations->size(); ++i)
        EXPECT_EQ(FindIcaoIndex(kSimFolder, (*stations)[i].ident), static_cast<int32_t>(i));
    EXPECT_EQ(FindIcaoIndex(kSimFolder, "LAX "), -1);
    EXPECT_EQ(FindIcaoIndex(kSimFolder, "lax"), -1);
    EXPECT_EQ(FindIcaoIndex(kSimFolder, ""), -1);
    EXPECT_EQ(FindIcaoIndex("", "KSEA"), -1);
    EXPECT_EQ(FindIcaoIndex("C:\\Elsewhere\\", "KSEA"), -1);
}

// A tail shorter than a record is no record, even when it starts with an ident.
TEST_F(IcaoStationsTest, AnOddSizedFileEndsAtItsLastWholeRecord) {
    AppendToPositions(std::string("ZZZZ\0\0\0", 7));
    EXPECT_EQ(FindIcaoIndex(kSimFolder, "ZZZZ"), -1);
    EXPECT_EQ(FindIcaoIndex(kSimFolder, "EGLL"), 2);
}

TEST_F(IcaoStationsTest, MissingNamesAreNoList) {
    EXPECT_FALSE(ReadStationNames("C:\\Elsewhere\\").has_value());
    env_.writeFile("drive_c/Sim/Weather/ICAO Name.CFG", "ICAO stations\r\n");
    const auto stations = ReadStationNames(kSimFolder);
    ASSERT_TRUE(stations.has_value());
    EXPECT_TRUE(stations->empty());
}

struct LineCase {
    const char* line;
    const char* ident;  // "" for no station
    const char* name;
};

class StationNameLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(StationNameLineTest, TakesTheColumnsThatAreThere) {
    const std::optional<StationName> station = ParseStationNameLine(GetParam().line);
    EXPECT_EQ(station ? station->ident : "", GetParam().ident);
    EXPECT_EQ(station ? station->name : "", GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Cases, StationNameLineTest,
                         ::testing::Values(LineCase{"KSEA Seattle", "KSEA", "Seattle"},
                                           LineCase{"LAX  Los Angeles", "LAX", "Los Angeles"},
                                           LineCase{"KSEA", "KSEA", ""}, LineCase{"KSEA ", "KSEA", ""},
                                           LineCase{"AB", "AB", ""}, LineCase{"", "", ""},
                                           LineCase{"    Nameless", "", ""}));

}  // namespace
}  // namespace wx
