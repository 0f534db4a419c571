// Reading the nav.dat navaid file: records by row, lines that are none skipped and
// counted, texts of unknown encoding.
#include "nav_dat.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "fixture_world.h"

namespace demodata {
namespace {

TEST(NavDat, ReadsEveryRowAndCountsWhatItSkips) {
    const NavDatFile file = ReadNavDat(testing::FixtureNavDat());
    std::map<NavDatRow, int> rows;
    for (const NavDatRecord& record : file.records) ++rows[record.row];
    const std::map<NavDatRow, int> expected = {
        {NavDatRow::Ndb, 6},          {NavDatRow::Vor, 4},
        {NavDatRow::IlsLocalizer, 5}, {NavDatRow::LocalizerAlone, 2},
        {NavDatRow::GlideSlope, 1},   {NavDatRow::OuterMarker, 1},
        {NavDatRow::MiddleMarker, 1}, {NavDatRow::InnerMarker, 1},
        {NavDatRow::DmeOfIls, 3},     {NavDatRow::Dme, 4},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(file.skipped.fileLines, 3u);  // "I", the version line, "99"
    EXPECT_EQ(file.skipped.shortLines, 1u);
    EXPECT_EQ(file.skipped.badNumbers, 3u);  // "47.5x", latitude 95, row "QQ"
    EXPECT_EQ(file.skipped.unknownRows, 1u);
}

TEST(NavDat, ReadsTheFieldsOfALocalizer) {
    const NavDatFile file = ReadNavDat(
        "4  47.00600000  008.02600000   1400 11010  18      90.150 IQLA ZQLA 09L  "
        "ILS-cat-I\r\n");
    ASSERT_EQ(file.records.size(), 1u);
    const NavDatRecord& r = file.records.front();
    EXPECT_EQ(r.row, NavDatRow::IlsLocalizer);
    EXPECT_DOUBLE_EQ(r.latitude, 47.006);
    EXPECT_DOUBLE_EQ(r.longitude, 8.026);
    EXPECT_EQ(r.elevationFeet, 1400);
    EXPECT_EQ(r.frequency, 11010);
    EXPECT_EQ(r.rangeNm, 18);
    EXPECT_DOUBLE_EQ(r.value, 90.15);
    EXPECT_EQ(r.ident, "IQLA");
    EXPECT_EQ(r.airport, "ZQLA");
    EXPECT_EQ(r.runway, "09L");
    EXPECT_EQ(r.name, "ILS-cat-I");
}

struct SkipCase {
    const char* what;
    std::string line;
    std::size_t NavDatSkipped::*reason;
};

TEST(NavDat, SkipsEachKindOfLineThatIsNoNavaid) {
    const SkipCase cases[] = {
        {"origin", "I", &NavDatSkipped::fileLines},
        {"version", "810 Version - data cycle", &NavDatSkipped::fileLines},
        {"end", "99", &NavDatSkipped::fileLines},
        {"NDB without its ident", "2  47.1  008.1  1400  355  25  0.0", &NavDatSkipped::shortLines},
        {"localizer without its runway", "4  47.0  008.0  1400 11010  18  90.15 IQLA ZQLA", &NavDatSkipped::shortLines},
        {"elevation not whole", "2  47.1  008.1  14.5  355  25  0.0 QA QUILLET NDB", &NavDatSkipped::badNumbers},
        {"longitude off the globe", "3  47.1  181.0  1400 11375 130  2.0 QLV QUILLET VOR", &NavDatSkipped::badNumbers},
        {"row code no number", "N  47.1  008.1  1400  355  25  0.0 QA QUILLET NDB", &NavDatSkipped::badNumbers},
        {"row of no navaid", "14  47.1  008.1  1400  355  25  0.0 QA QUILLET", &NavDatSkipped::unknownRows},
    };
    for (const SkipCase& c : cases) {
        const NavDatFile file = ReadNavDat(c.line + "\n");
        EXPECT_TRUE(file.records.empty()) << c.what;
        EXPECT_EQ(file.skipped.*c.reason, 1u) << c.what;
        EXPECT_EQ(file.skipped.Total(), 1u) << c.what;
    }
}

TEST(NavDat, ReadsLineFeedsAsCarriageReturnLineFeeds) {
    std::string lf = testing::FixtureNavDat();
    std::erase(lf, '\r');
    const NavDatFile withCrLf = ReadNavDat(testing::FixtureNavDat());
    const NavDatFile withLf = ReadNavDat(lf);
    ASSERT_EQ(withLf.records.size(), withCrLf.records.size());
    for (std::size_t i = 0; i < withLf.records.size(); ++i) {
        EXPECT_EQ(withLf.records[i].ident, withCrLf.records[i].ident);
        EXPECT_EQ(withLf.records[i].name, withCrLf.records[i].name);
    }
    EXPECT_EQ(withLf.skipped.Total(), withCrLf.skipped.Total());
}

// UTF-8 stays as it is; a line that is no UTF-8 is read as Latin-1.
TEST(NavDat, GivesNamesAsUtf8) {
    const NavDatFile file = ReadNavDat(
        "2  51.75  019.40  604  490  25  0.0 LW \xC5\x81\xC3\x93"
        "D\xC5\xB9 NDB\n"
        "2  47.40  008.55 1700  330  25  0.0 ZUE  Z\xDCRICHBERG NDB\n");
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].name,
              "\xC5\x81\xC3\x93"
              "D\xC5\xB9 NDB");
    EXPECT_EQ(file.records[1].name, "Z\xC3\x9CRICHBERG NDB");
}

}  // namespace
}  // namespace demodata
