#include <atomic>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using navdata::testing::AirportFields;
using navdata::testing::IlsFields;
using navdata::testing::NavaidFields;

constexpr double kDegree = 3600.0;
constexpr double kMinute = 60.0;

AirportFields Airport(const std::string& ident, const std::string& country) {
    AirportFields fields;
    fields.ident = ident;
    fields.country = country;
    return fields;
}

// Every airport of the grid, in cell order.
std::vector<AirportRecord> GridAirports(const NavDatabase& database) {
    std::vector<AirportRecord> all;
    for (const auto& cell : database.airportGrid) all.insert(all.end(), cell.begin(), cell.end());
    return all;
}

class NavDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { ResetLoadError(); }
    void TearDown() override { ResetLoadError(); }

    // The count line says count airports (their own number by default).
    void WriteAirports(const std::vector<AirportFields>& airports, std::optional<size_t> count = {}) {
        std::vector<std::string> lines;
        for (const AirportFields& a : airports) lines.push_back(navdata::testing::SceneryAirportLine(a));
        env.writeFile("drive_c/Quillet/Airport.nav",
                      navdata::DatabaseBytes(lines, navdata::kAirportLineWidth, count.value_or(lines.size())));
    }
    void WriteNavaids(const std::vector<NavaidFields>& navaids) {
        std::vector<std::string> lines;
        for (const NavaidFields& n : navaids) lines.push_back(navdata::testing::SceneryNavaidLine(n));
        env.writeFile("drive_c/Quillet/Navaids.nav", navdata::DatabaseBytes(lines, navdata::kNavaidLineWidth));
    }
    void WriteIls(const std::vector<IlsFields>& beams) {
        std::vector<std::string> lines;
        for (const IlsFields& i : beams) lines.push_back(navdata::testing::SceneryIlsLine(i));
        env.writeFile("drive_c/Quillet/Ils.nav", navdata::DatabaseBytes(lines, navdata::kIlsLineWidth));
    }

    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    NavDatabase database{"C:\\Quillet\\"};
};

TEST_F(NavDatabaseTest, CountryMarkedNotLoadedLeavesItsAirportsOut) {
    WriteAirports({Airport("AAA1", "Freedonia"), Airport("BBB1", "Sylvania"), Airport("AAA2", "Freedonia"),
                   Airport("CCC1", "Tomainia")});
    env.writeFile("drive_c/Quillet/Country.nav", "3\r\nFreedonia\t1\r\nSylvania\t0\r\nTomainia\r\n");

    ASSERT_EQ(database.LoadAirportFile(), 0);
    EXPECT_EQ(database.airportCount, 3);
    ASSERT_EQ(database.airportLines.GetSize(), 3);
    EXPECT_STREQ(database.airportLines.GetAID(1), "AAA2      ");
    const auto airports = GridAirports(database);
    ASSERT_EQ(airports.size(), 3u);
    EXPECT_STREQ(airports[0].id, "AAA1");
    EXPECT_STREQ(airports[1].id, "AAA2");
    EXPECT_STREQ(airports[2].id, "CCC1");
    EXPECT_EQ(airports[1].number, 2.0);  // running numbers stay consecutive
    EXPECT_EQ(airports[2].number, 3.0);
    EXPECT_EQ(database.Progress(), 100);
}

TEST_F(NavDatabaseTest, PositionsTakeTheirHemispheresAndRunwayEndsFallBack) {
    AirportFields a = Airport("KSPF", "Freedonia");
    a.name = "Springfield Regional";
    a.latitude = "S047* 27'12.34";
    a.longitude = "W122* 18'05.67";
    a.runwayStartLatitude = "S047* 27'10.00";
    a.runwayStartLongitude = "W122* 18'00.50";
    a.runwayEndLatitude = "";                 // blank: the reference point's field
    a.runwayEndLongitude = " 122* 19'00.00";  // blank hemisphere: the reference point's
    a.runwayHeading = "09L";
    a.runwayLength = 9800;
    a.side = 'L';
    a.magneticVariation = -5.0;
    WriteAirports({a});

    ASSERT_EQ(database.LoadAirportFile(), 0);
    const auto airports = GridAirports(database);
    ASSERT_EQ(airports.size(), 1u);
    const AirportRecord& r = airports[0];
    EXPECT_NEAR(r.y, -(47 * kDegree + (27 + 12.34 / 100) * kMinute), 1e-6);
    EXPECT_NEAR(r.x, -(122 * kDegree + (18 + 5.67 / 100) * kMinute), 1e-6);
    EXPECT_NEAR(r.y1, -(47 * kDegree + (27 + 10.00 / 100) * kMinute), 1e-6);
    // The first end reads the two digits after "." once more as hundredths.
    EXPECT_NEAR(r.x1, -(122 * kDegree + (18 + (0.50 + 0.50) / 100) * kMinute), 1e-6);
    EXPECT_DOUBLE_EQ(r.y2, r.y);
    EXPECT_NEAR(r.x2, -(122 * kDegree + 19 * kMinute), 1e-6);
    EXPECT_DOUBLE_EQ(r.heading, 9.0);
    EXPECT_DOUBLE_EQ(r.length, 9800.0);
    EXPECT_EQ(r.runway, 'L');
    EXPECT_DOUBLE_EQ(r.magVar, -5.0);
    EXPECT_STREQ(r.name, "Springfield Regional");
}

// A runway across the prime meridian: each point keeps its own hemisphere, so neither
// end nor the reference point is mirrored onto the other side.
TEST_F(NavDatabaseTest, ARunwayAcrossTheMeridianKeepsEachEndOnItsSide) {
    AirportFields a = Airport("EGXX", "Freedonia");
    a.latitude = "N051*  0'00.00";
    a.longitude = "W000*  0'30.00";
    a.runwayStartLatitude = "N051*  0'00.00";
    a.runwayStartLongitude = "W000*  1'00.00";
    a.runwayEndLatitude = "N051*  0'00.00";
    a.runwayEndLongitude = "E000*  1'00.00";
    WriteAirports({a});

    ASSERT_EQ(database.LoadAirportFile(), 0);
    const auto airports = GridAirports(database);
    ASSERT_EQ(airports.size(), 1u);
    const AirportRecord& r = airports[0];
    EXPECT_NEAR(r.x, -0.30 * kMinute, 1e-6);
    EXPECT_NEAR(r.x1, -1.0 * kMinute, 1e-6);
    EXPECT_NEAR(r.x2, 1.0 * kMinute, 1e-6);
    EXPECT_GT(r.y, 0.0);
}

TEST_F(NavDatabaseTest, AnAirportOutsideTheWorldIsKeptOutOfTheGrid) {
    AirportFields corrupt = Airport("BAD1", "Freedonia");
    corrupt.longitude = "E185* 00'00.00";
    WriteAirports({corrupt, Airport("GOOD", "Freedonia")});
    ASSERT_EQ(database.LoadAirportFile(), 0);
    EXPECT_EQ(database.airportCount, 2);
    const auto airports = GridAirports(database);
    ASSERT_EQ(airports.size(), 1u);
    EXPECT_STREQ(airports[0].id, "GOOD");
}

// A file cut short loads what it holds and says how many records it promised.
TEST_F(NavDatabaseTest, ACountLargerThanTheFileReadsTheRecordsThereAndSaysSo) {
    WriteAirports({Airport("AAA1", "Freedonia"), Airport("AAA2", "Freedonia")}, 50000);
    ASSERT_EQ(database.LoadAirportFile(), 107);
    EXPECT_EQ(database.airportCount, 2);
    EXPECT_EQ(GridAirports(database).size(), 2u);
    EXPECT_EQ(database.Progress(), 100);
    EXPECT_EQ(ReportLoadError(true), 107);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{CutShortMessage(107, "Airport.nav", 50000, 2)});
}

std::string WithLineFeeds(std::string bytes) {
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at)) bytes.erase(at, 1);
    return bytes;
}

// A database written again with LF line ends (an editor, git) loads as it was written.
TEST_F(NavDatabaseTest, DatabasesWithLineFeedsLoadAsWithCrLf) {
    AirportFields east = Airport("AAA2", "Freedonia");
    east.longitude = east.runwayStartLongitude = east.runwayEndLongitude = "E008* 15'00.00";
    WriteAirports({Airport("AAA1", "Freedonia"), east, Airport("AAA3", "Freedonia")});
    WriteNavaids({NavaidFields{}, NavaidFields{}});
    WriteIls({IlsFields{}});
    ASSERT_EQ(database.LoadAirportFile(), 0);
    ASSERT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.LoadIlsFile(), 0);

    for (const char* name : {"Airport.nav", "Navaids.nav", "Ils.nav"}) {
        const std::filesystem::path path = env.driveC() / "Quillet" / name;
        env.writeFile(std::string("drive_c/Quillet/") + name,
                      WithLineFeeds(platform::testing::TempEnvironment::readFile(path)));
    }
    NavDatabase fromLineFeeds{"C:\\Quillet\\"};
    ASSERT_EQ(fromLineFeeds.LoadAirportFile(), 0);
    ASSERT_EQ(fromLineFeeds.LoadNavaidFile(), 0);
    ASSERT_EQ(fromLineFeeds.LoadIlsFile(), 0);
    EXPECT_EQ(fromLineFeeds.airportCount, 3);
    EXPECT_EQ(fromLineFeeds.navaidCount, 2);
    for (int number = 1; number <= 3; ++number)
        EXPECT_EQ(fromLineFeeds.AirportLine(number), database.AirportLine(number));
    const std::vector<AirportRecord> before = GridAirports(database), after = GridAirports(fromLineFeeds);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x, before[i].x);
        EXPECT_EQ(after[i].y2, before[i].y2);
        EXPECT_STREQ(after[i].id, before[i].id);
    }
    EXPECT_EQ(fromLineFeeds.NavaidLine(2), database.NavaidLine(2));
    EXPECT_EQ(fromLineFeeds.IlsLine(1), database.IlsLine(1));
    EXPECT_EQ(ReportLoadError(false), 0);
}

// Lines that are not records of the width (a hand-edited file) are refused, naming it.
TEST_F(NavDatabaseTest, ADatabaseOfOtherLinesIsRefusedWithItsMessage) {
    env.writeFile("drive_c/Quillet/Airport.nav", "2\r\nKSPF Springfield\r\nKOTR Otherton\r\n");
    EXPECT_EQ(database.LoadAirportFile(), 106);
    EXPECT_EQ(database.airportCount, 0);
    EXPECT_TRUE(GridAirports(database).empty());
    EXPECT_EQ(database.airportLines.GetSize(), 0);
    EXPECT_EQ(ReportLoadError(true), 106);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{LoadErrorMessage(106)});
}

TEST_F(NavDatabaseTest, NavaidsAndIlsBeamsAreReadAtTheirStrides) {
    NavaidFields vor;
    vor.ident = "SPF";
    vor.latitude = "N047* 30'00.00";
    vor.longitude = "E008* 15'00.00";
    NavaidFields gps = vor;
    gps.type = "GPS";
    gps.ident = "WPT1";
    gps.latitude = "S010* 30'00.00";
    NavaidFields ndb = vor;
    ndb.type = "NDB";
    WriteNavaids({vor, gps, ndb});
    IlsFields beam;
    beam.side = "R12.000000";
    beam.longitude = "W122* 18'00.00";
    WriteIls({beam, beam});

    ASSERT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.LoadIlsFile(), 0);
    EXPECT_EQ(database.navaidCount, 3);
    ASSERT_EQ(database.navaidLines.GetSize(), 3);
    EXPECT_NEAR(database.navaidLines.GetNx(0), 8.25 * kDegree, 1e-6);
    const int vorCell = GridCell(8.25 * kDegree, 47.5 * kDegree);
    ASSERT_EQ(database.navaidGrid[static_cast<size_t>(vorCell)].size(), 2u);
    const NavaidRecord& first = database.navaidGrid[static_cast<size_t>(vorCell)][0];
    EXPECT_EQ(first.type, 1.0);
    EXPECT_EQ(first.number, 1.0);
    EXPECT_STREQ(first.id, "SPF");
    EXPECT_EQ(database.navaidGrid[static_cast<size_t>(vorCell)][1].type, 2.0);
    const int gpsCell = GridCell(8.25 * kDegree, -10.5 * kDegree);
    ASSERT_EQ(database.navaidGrid[static_cast<size_t>(gpsCell)].size(), 1u);
    EXPECT_EQ(database.navaidGrid[static_cast<size_t>(gpsCell)][0].type, -1.0);

    ASSERT_EQ(database.ils.size(), 3u);  // entry 0 unused
    ASSERT_EQ(database.ilsLines.size(), 3u);
    EXPECT_EQ(database.ilsLines[2], navdata::testing::SceneryIlsLine(beam));
    const IlsRecord& ils = database.ils[2];
    EXPECT_EQ(ils.type, 1);
    EXPECT_STREQ(ils.id, "ISPF");
    EXPECT_STREQ(ils.airportId, "KSPF");
    EXPECT_EQ(ils.runway, 'R');
    EXPECT_DOUBLE_EQ(ils.magVar, 12.0);
    EXPECT_DOUBLE_EQ(ils.frequency, 110.3);
    EXPECT_DOUBLE_EQ(ils.heading, 270.0);
    EXPECT_NEAR(ils.x, -(122 * kDegree + 18 * kMinute), 1e-6);
    EXPECT_NEAR(ils.y, 47 * kDegree + (27 + 0.10) * kMinute, 1e-6);
}

TEST_F(NavDatabaseTest, MissingFilesGiveTheirCodes) {
    EXPECT_EQ(database.LoadAirportFile(), 100);
    EXPECT_EQ(database.LoadNavaidFile(), 200);
    EXPECT_EQ(database.LoadIlsFile(), 300);
}

TEST_F(NavDatabaseTest, LoadersOnThreadsReportOnlyTheLastCode) {
    WriteAirports({Airport("AAA1", "Freedonia")});
    env.writeFile("drive_c/Quillet/Map/Map00001.tmp", std::string(16, '\0'));
    std::vector<int> ticks;

    database.StartLoaders();
    database.WaitForLoaders([&](int progress) { ticks.push_back(progress); });
    EXPECT_EQ(database.RunningLoaders(), 0);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back(), 100);
    EXPECT_EQ(database.airportCount, 1);
    EXPECT_EQ(database.mapShapes.size(), 1u);

    // Navaids.nav and Ils.nav are both missing: 300 is stored last.
    EXPECT_EQ(ReportLoadError(true), 300);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{LoadErrorMessage(300)});
}

// The file is cut and written again in place, over and over, while fresh databases load
// it: each load reads what the file held at that moment, a whole file or a short one.
TEST_F(NavDatabaseTest, ADatabaseRewrittenInPlaceWhileItLoadsReadsShortAndNeverFaults) {
    constexpr int kAirports = 2000;
    std::vector<AirportFields> airports;
    for (int i = 0; i < kAirports; ++i) airports.push_back(Airport("A" + std::to_string(i), "Freedonia"));
    WriteAirports(airports);
    const std::filesystem::path path = env.driveC() / "Quillet" / "Airport.nav";
    const std::string bytes = platform::testing::TempEnvironment::readFile(path);
    std::atomic<bool> stop{false};
    std::thread rewriter([&] {
        while (!stop) std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
    });
    for (int load = 0; load < 40; ++load) {
        NavDatabase fresh{"C:\\Quillet\\"};
        const int code = fresh.LoadAirportFile();
        EXPECT_TRUE(code == 0 || code == 107) << code;
        EXPECT_LE(fresh.airportCount, kAirports);
        EXPECT_EQ(static_cast<int>(GridAirports(fresh).size()), fresh.airportCount);
    }
    stop = true;
    rewriter.join();
}

}  // namespace
}  // namespace trevalo
