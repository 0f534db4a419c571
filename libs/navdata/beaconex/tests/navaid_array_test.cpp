#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "beaconex/navaid_array.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata_testing/getter_calls.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/text.h"

namespace {

namespace layout = beaconex::navaid_line;
using navdata::FieldLayout;
using navdata::testing::NavaidFields;
using navdata::testing::SceneryNavaidLine;
using platform::Trimmed;

std::string Recomposed(const CNavaidArray& list, int i) {
    char out[layout::kWidth + 1];
    list.GetNLine(out, i);
    return out;
}

std::string FieldOf(const std::string& line, FieldLayout field) {
    return Trimmed(line.substr(field.column, field.width));
}

NavaidFields Ndb() {
    NavaidFields f;
    f.type = "NDB";
    f.ident = "SP";
    f.frequency = 350.0;
    f.country = "Freedonia";
    return f;
}

NavaidFields Gps() {
    NavaidFields f;
    f.type = "GPS";
    f.ident = "WPT01";
    f.frequency = 0;
    f.elevation = 0;
    return f;
}

// Every field of record i of `a` equals that of record j of `b`.
void ExpectSameRecord(const CNavaidArray& a, int i, const CNavaidArray& b, int j) {
    EXPECT_STREQ(a.GetNID(i), b.GetNID(j));
    EXPECT_STREQ(a.GetNType(i), b.GetNType(j));
    EXPECT_STREQ(a.GetNName(i), b.GetNName(j));
    EXPECT_STREQ(a.GetNLat(i), b.GetNLat(j));
    EXPECT_STREQ(a.GetNLon(i), b.GetNLon(j));
    EXPECT_EQ(a.GetNfreq(i), b.GetNfreq(j));
    EXPECT_EQ(a.GetNfElev(i), b.GetNfElev(j));
}

TEST(CNavaidArray, RecordHoldsFieldsAndMapPosition) {
    const NavaidFields f;
    CNavaidArray list;
    EXPECT_TRUE(list.Add(SceneryNavaidLine(f).c_str(), 12.5, -7.25));
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(std::string(list.GetNID(0)).size(), layout::kIdent.width);  // untrimmed
    EXPECT_EQ(Trimmed(list.GetNID(0)), f.ident);
    EXPECT_EQ(Trimmed(list.GetNType(0)), "VOR");
    EXPECT_EQ(Trimmed(list.GetNName(0)), f.name);
    EXPECT_EQ(Trimmed(list.GetNLat(0)), f.latitude);
    EXPECT_EQ(Trimmed(list.GetNLon(0)), f.longitude);
    EXPECT_FLOAT_EQ(list.GetNfreq(0), 113.4f);
    EXPECT_DOUBLE_EQ(list.GetNfElev(0), 450.0);
    EXPECT_DOUBLE_EQ(list.GetNx(0), 12.5);
    EXPECT_DOUBLE_EQ(list.GetNy(0), -7.25);
}

TEST(CNavaidArrayLine, RecomposedLineReadsBackToTheSameRecord) {
    for (const NavaidFields& f : {NavaidFields{}, Ndb(), Gps()}) {
        CNavaidArray list;
        list.Add(SceneryNavaidLine(f).c_str(), 0, 0);
        const std::string composed = Recomposed(list, 0);
        ASSERT_EQ(composed.size(), layout::kWidth) << f.type;
        EXPECT_EQ(FieldOf(composed, layout::kCountry), f.country);
        list.Add(composed.c_str(), 0, 0);
        ExpectSameRecord(list, 0, list, 1);
    }
}

TEST(CNavaidArrayLine, NumbersAreWrittenWithSixDecimalsRightJustified) {
    CNavaidArray list;
    list.Add(SceneryNavaidLine(Gps()).c_str(), 0, 0);
    const std::string composed = Recomposed(list, 0);
    EXPECT_EQ(composed.substr(layout::kFrequency.column, layout::kFrequency.width), std::string(12, ' ') + "0.000000");
    EXPECT_EQ(composed.substr(layout::kElevation.column, layout::kElevation.width), std::string(7, ' ') + "0.000000");
}

struct OverLongCase {
    FieldLayout field;
    const char* sceneryText;
    const char* composedText;
};

TEST(CNavaidArrayLine, CutsOverLongValuesToTheirField) {
    const OverLongCase cases[] = {
        {layout::kFrequency, "1e30", "10000000150474662198"},
        {layout::kElevation, "-1e20", "-10000000200408"},
        {layout::kFrequency, "1e300", "inf"},
    };
    for (const auto& c : cases) {
        std::string line = SceneryNavaidLine({});
        line.replace(c.field.column, c.field.width,
                     (std::string(c.sceneryText) + std::string(30, ' ')).substr(0, c.field.width));
        CNavaidArray list;
        list.Add(line.c_str(), 0, 0);
        const std::string composed = Recomposed(list, 0);
        ASSERT_EQ(composed.size(), layout::kWidth) << c.sceneryText;
        for (const FieldLayout& field : layout::kFields) {
            if (field.column == c.field.column) {
                EXPECT_EQ(FieldOf(composed, field), c.composedText);
            } else if (field.column != layout::kFrequency.column && field.column != layout::kElevation.column) {
                EXPECT_EQ(FieldOf(composed, field), FieldOf(line, field))
                    << c.sceneryText << " column " << field.column;
            }
        }
    }
}

TEST(CNavaidArray, ShortLineNeverReadPastItsEnd) {
    const std::string full = SceneryNavaidLine({});
    CNavaidArray list;
    for (std::size_t cut : {0u, 40u, 100u, 169u}) {
        const std::string part = full.substr(0, cut);
        const std::vector<char> exact(part.c_str(), part.c_str() + part.size() + 1);
        list.Add(exact.data(), 0, 0);
        EXPECT_EQ(Recomposed(list, list.GetSize() - 1).size(), layout::kWidth);
    }
    EXPECT_STREQ(list.GetNName(0), std::string(layout::kName.width, ' ').c_str());
}

class FilledNavaidList : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* ident : {"AAA", "BBB", "CCC"}) {
            NavaidFields f;
            f.ident = ident;
            list.Add(SceneryNavaidLine(f).c_str(), list.GetSize(), 0);
        }
    }
    CNavaidArray list;
};

TEST_F(FilledNavaidList, RemoveAllThenAddStartsAtIndexZero) {
    list.RemoveAll();
    EXPECT_EQ(list.GetSize(), 0);
    list.Add(SceneryNavaidLine(Gps()).c_str(), 9, 9);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(Trimmed(list.GetNID(0)), "WPT01");
    EXPECT_EQ(list.GetNx(0), 9);
}

TEST_F(FilledNavaidList, CopiesAreWholeAndIndependent) {
    const CNavaidArray original(list);
    CNavaidArray constructed(list);
    CNavaidArray assigned;
    assigned.Add(SceneryNavaidLine({}).c_str(), 0, 0);
    assigned = list;
    CNavaidArray copied;
    copied.Add(SceneryNavaidLine({}).c_str(), 0, 0);
    copied.Copy(list);
    list.RemoveAll();
    for (const CNavaidArray* copy : {&constructed, &assigned, &copied}) {
        ASSERT_EQ(copy->GetSize(), 3);
        for (int i = 0; i < 3; ++i) {
            ExpectSameRecord(*copy, i, original, i);
            EXPECT_EQ(copy->GetNx(i), i);
        }
    }
}

TEST_F(FilledNavaidList, MovesTakeTheRecordsAndLeaveAnEmptyList) {
    CNavaidArray constructed(std::move(list));
    CNavaidArray assigned;
    assigned = std::move(constructed);
    ASSERT_EQ(assigned.GetSize(), 3);
    EXPECT_EQ(Trimmed(assigned.GetNID(2)), "CCC");
    EXPECT_EQ(assigned.GetNx(2), 2);
    for (const CNavaidArray* left : {&list, &constructed}) EXPECT_EQ(left->GetSize(), 0);
}

TEST_F(FilledNavaidList, CopyOfItselfKeepsTheRecords) {
    list.Copy(list);
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(Trimmed(list.GetNID(2)), "CCC");
}

}  // namespace
