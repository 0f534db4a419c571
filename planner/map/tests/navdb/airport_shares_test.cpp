// The airport reader shares a file out to a few threads by runs of records: however the
// runs fall, on lines of either line end, the grid, the numbers and the lines come out as
// one reading of the file in order gives them.
#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "maparithmetic/map_grid.h"
#include "navdata/angle_text.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "navdb/database_file.h"
#include "navdb/record_readers.h"

namespace trevalo {
namespace {

constexpr int kAirports = 29;
constexpr char kLoaded[] = "Freedonia";

// Runs of a loaded country and of another, spread over several cells, two outside the world.
std::vector<std::string> AirportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kAirports; ++i) {
        const int degrees = i % 9 == 8 ? 95 : (i * 13) % 80;
        navdata::testing::AirportFields a;
        a.country = i % 7 < 4 ? kLoaded : "Sylvania";
        a.ident = "A" + std::to_string(i);
        a.longitude = navdata::AngleTextOfFields(i % 3 ? 'E' : 'W', {(i * 37) % 170, 0, 0, 0});
        a.latitude = navdata::AngleTextOfFields(i % 2 ? 'N' : 'S', {degrees, i % 60, 0, 0});
        lines.push_back(navdata::testing::SceneryAirportLine(a));
    }
    return lines;
}

std::string WithLineFeeds(std::string bytes) {
    std::string out;
    for (const char c : bytes)
        if (c != '\r') out += c;
    return out;
}

struct Reading {
    int count = 0;
    int progress = 0;
    Grid<AirportRecord> grid;
    CAirportArray lines;
};

Reading Read(const std::string& bytes, int recordsPerShare) {
    Reading reading;
    std::atomic<int> progress{0};
    const DatabaseRecords records(bytes, kAirportDatabase);
    reading.count = ReadAirportRecords(
        records, [](const std::string& country) { return country == kLoaded; }, reading.grid, reading.lines, progress,
        recordsPerShare);
    reading.progress = progress.load();
    return reading;
}

void ExpectSameRecord(const AirportRecord& a, const AirportRecord& b) {
    EXPECT_EQ(a.number, b.number);
    EXPECT_STREQ(a.id, b.id);
    EXPECT_STREQ(a.name, b.name);
    for (const auto field :
         {&AirportRecord::x, &AirportRecord::y, &AirportRecord::x1, &AirportRecord::y1, &AirportRecord::x2,
          &AirportRecord::y2, &AirportRecord::heading, &AirportRecord::length, &AirportRecord::magVar})
        EXPECT_EQ(a.*field, b.*field) << a.id;
    EXPECT_EQ(a.runway, b.runway);
}

TEST(AirportShares, AnyRunsGiveTheRecordsOfOneReadingInFileOrder) {
    const std::vector<std::string> lines = AirportLines();
    // The records as one reading in order makes them: kept ones numbered 1.. in file order.
    std::vector<AirportRecord> expected;
    CAirportArray expectedLines;
    for (const std::string& line : lines) {
        if (line.find(kLoaded) == std::string::npos) continue;
        expected.push_back(AirportFromLine(line.c_str(), static_cast<int>(expected.size()) + 1));
        expectedLines.Add(line.c_str());
    }
    ASSERT_GT(expected.size(), 10u);

    const std::string crLf = navdata::DatabaseBytes(lines, navdata::kAirportLineWidth);
    for (const std::string& bytes : {crLf, WithLineFeeds(crLf)}) {
        for (const int perShare : {1, 2, 3, 5, 7, kAirports, 8192}) {
            SCOPED_TRACE("records per share " + std::to_string(perShare) + (bytes == crLf ? ", CR LF" : ", LF"));
            const Reading reading = Read(bytes, perShare);
            EXPECT_EQ(reading.count, static_cast<int>(expected.size()));
            EXPECT_EQ(reading.progress, 100);
            ASSERT_EQ(reading.lines.GetSize(), static_cast<int>(expected.size()));

            std::vector<size_t> taken(kGridCells, 0);
            size_t inGrid = 0;
            for (const AirportRecord& want : expected) {
                const int at = static_cast<int>(want.number) - 1;
                char line[navdata::kAirportLineWidth + 1];
                char wantLine[navdata::kAirportLineWidth + 1];
                reading.lines.GetALine(line, at);
                expectedLines.GetALine(wantLine, at);
                EXPECT_STREQ(line, wantLine);
                const int cell = GridCell(want.x, want.y);
                if (cell < 0) continue;
                const auto& list = reading.grid[static_cast<size_t>(cell)];
                ASSERT_LT(taken[static_cast<size_t>(cell)], list.size()) << want.id;
                ExpectSameRecord(list[taken[static_cast<size_t>(cell)]++], want);
                ++inGrid;
            }
            size_t stored = 0;
            for (const auto& list : reading.grid) stored += list.size();
            EXPECT_EQ(stored, inGrid);
            EXPECT_LT(inGrid, expected.size());  // some lie outside the world
        }
    }
}

}  // namespace
}  // namespace trevalo
