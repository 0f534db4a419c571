#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "aerodrex/airport_array.h"
#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "navdata_testing/getter_calls.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/text.h"

namespace {

namespace layout = aerodrex::airport_line;
using navdata::FieldLayout;
using navdata::testing::AirportFields;
using navdata::testing::SceneryAirportLine;
using platform::Trimmed;

std::string FieldOf(const std::string& line, FieldLayout field) {
    return Trimmed(line.substr(field.column, field.width));
}

std::string WithField(std::string line, FieldLayout field, const std::string& text) {
    line.replace(field.column, field.width, (text + std::string(field.width, ' ')).substr(0, field.width));
    return line;
}

std::string Recomposed(const CAirportArray& list, int i) {
    char out[layout::kWidth + 1];
    list.GetALine(out, i);
    return out;
}

std::string AddAndRecompose(const std::string& line) {
    CAirportArray list;
    EXPECT_TRUE(list.Add(line.c_str()));
    return Recomposed(list, 0);
}

AirportFields NoAtis() {
    AirportFields f;
    f.atisFrequency = 0;
    return f;
}
AirportFields NoIls() {
    AirportFields f;
    f.ilsFrequency = 0;
    f.ilsIdent = "";
    return f;
}
AirportFields NoSide() {
    AirportFields f;
    f.side = 0;
    f.magneticVariation = -3.0;
    return f;
}
AirportFields CenterSide() {
    AirportFields f;
    f.side = 'C';
    f.magneticVariation = -3.0;
    return f;
}
AirportFields Numbered() {
    AirportFields f;
    f.runwayHeading = "09L";
    f.runwayLength = 0;
    f.elevation = -12.25;
    f.surface = "Oil treated";
    return f;
}

TEST(CAirportArrayLine, SceneryAndRecomposedLinesReadAlike) {
    for (const AirportFields& f : {AirportFields{}, NoAtis(), NoIls(), NoSide(), CenterSide(), Numbered()}) {
        const std::string scenery = SceneryAirportLine(f);
        const std::string composed = AddAndRecompose(scenery);
        ASSERT_EQ(composed.size(), layout::kWidth);
        for (const FieldLayout& field : layout::kFields) {
            EXPECT_EQ(FieldOf(composed, field), FieldOf(scenery, field)) << "column " << field.column;
        }
        EXPECT_EQ(GetAirportRunwayDegree(composed.c_str()), GetAirportRunwayDegree(scenery.c_str()));
        EXPECT_EQ(GetAirportLenth(composed.c_str()), GetAirportLenth(scenery.c_str()));
        EXPECT_EQ(GetAirportRnw(composed.c_str()), GetAirportRnw(scenery.c_str()));
        EXPECT_EQ(GetAirportMagVar(composed.c_str()), GetAirportMagVar(scenery.c_str()));
    }
}

struct ComposedFieldCase {
    const char* label;
    AirportFields fields;
    FieldLayout field;
    std::string raw;  // the field's columns in the re-composed line, padding included
};

TEST(CAirportArrayLine, ComposesFieldsWithTheirJustification) {
    const ComposedFieldCase cases[] = {
        {"no atis is blank", NoAtis(), layout::kAtisFrequency, std::string(10, ' ')},
        {"no ils is blank", NoIls(), layout::kIlsFrequency, std::string(10, ' ')},
        {"variation alone", NoSide(), layout::kSide, "-3.000000 "},
        {"letter and variation", CenterSide(), layout::kSide, "C-3.000000"},
        {"text kept as read", AirportFields{}, layout::kName, "Springfield Regional" + std::string(30, ' ')},
        {"elevation left", AirportFields{}, layout::kElevation, "1234.500000    "},
        {"length left", AirportFields{}, layout::kRunwayLength, "9800           "},
        {"heading kept as read", Numbered(), layout::kRunwayHeading, "09L  "},
    };
    for (const auto& c : cases) {
        const std::string composed = AddAndRecompose(SceneryAirportLine(c.fields));
        EXPECT_EQ(composed.substr(c.field.column, c.field.width), c.raw) << c.label;
    }
}

struct OverLongCase {
    FieldLayout field;
    std::string sceneryText;  // short in the line, long once written with "%f"
    std::string composedText;
};

TEST(CAirportArrayLine, CutsOverLongValuesToTheirField) {
    const OverLongCase cases[] = {
        {layout::kElevation, "1e20", "100000000000000"}, {layout::kAtisFrequency, "1e12", "1000000000"},
        {layout::kIlsFrequency, "-1e300", "-100000000"}, {layout::kSide, "L1e30", "L100000000"},
        {layout::kSide, "-1e30", "-100000000"},          {layout::kRunwayLength, "999999999999999", "2147483647"},
    };
    for (const auto& c : cases) {
        const std::string scenery = WithField(SceneryAirportLine({}), c.field, c.sceneryText);
        const std::string composed = AddAndRecompose(scenery);
        ASSERT_EQ(composed.size(), layout::kWidth) << c.sceneryText;
        for (const FieldLayout& field : layout::kFields) {
            const std::string expected = field.column == c.field.column ? c.composedText : FieldOf(scenery, field);
            EXPECT_EQ(FieldOf(composed, field), expected) << c.sceneryText << " column " << field.column;
        }
    }
}

TEST(CAirportArray, AccessorsHoldTheParsedFields) {
    const AirportFields f = CenterSide();
    CAirportArray list;
    list.Add(SceneryAirportLine(f).c_str());
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(FieldOf(list.GetAID(0), {0, layout::kIdent.width}), f.ident);
    EXPECT_EQ(std::strlen(list.GetAID(0)), layout::kIdent.width);  // untrimmed
    EXPECT_STREQ(list.GetARnw(0), "270.0");
    EXPECT_EQ(FieldOf(list.GetAName(0), {0, layout::kName.width}), f.name);
    EXPECT_EQ(FieldOf(list.GetALat(0), {0, layout::kLatitude.width}), f.latitude);
    EXPECT_EQ(FieldOf(list.GetALon(0), {0, layout::kLongitude.width}), f.longitude);
    EXPECT_DOUBLE_EQ(list.GetAElev(0), f.elevation);
    EXPECT_EQ(FieldOf(list.GetALatBeg(0), {0, 20}), f.runwayStartLatitude);
    EXPECT_EQ(FieldOf(list.GetALatEnd(0), {0, 20}), f.runwayEndLatitude);
    EXPECT_EQ(FieldOf(list.GetALonBeg(0), {0, 20}), f.runwayStartLongitude);
    EXPECT_EQ(FieldOf(list.GetALonEnd(0), {0, 20}), f.runwayEndLongitude);
    EXPECT_DOUBLE_EQ(list.GetAMagVar(0), -3.0);
    EXPECT_EQ(list.GetARnwSide(0), 'C');
    EXPECT_DOUBLE_EQ(list.GetAAtisFreq(0), f.atisFrequency);
}

TEST(CAirportArray, NavaidLineLeavesAirportOnlyFieldsEmpty) {
    const std::string navaidLine = std::string(70, 'c') + "Some Name" + std::string(91, ' ');
    ASSERT_EQ(navaidLine.size(), 170u);
    CAirportArray list;
    list.Add(navaidLine.c_str());
    char name[layout::kName.size()];
    GetAirportName(name, navaidLine.c_str());
    EXPECT_STREQ(list.GetAName(0), name);
    EXPECT_STREQ(list.GetALatBeg(0), "");
    EXPECT_STREQ(list.GetALonEnd(0), "");
    const std::string composed = Recomposed(list, 0);
    ASSERT_EQ(composed.size(), layout::kWidth);
    EXPECT_EQ(FieldOf(composed, layout::kCity), "");
    EXPECT_EQ(FieldOf(composed, layout::kCountry), "");
    EXPECT_EQ(FieldOf(composed, layout::kName), "Some Name");
}

TEST(CAirportArray, AddOfAShortLineNeverReadsPastIt) {
    const std::string full = SceneryAirportLine({});
    CAirportArray list;
    for (std::size_t cut : {0u, 50u, 200u, 250u, 334u}) {
        const std::string part = full.substr(0, cut);
        const std::vector<char> exact(part.c_str(), part.c_str() + part.size() + 1);
        list.Add(exact.data());
        EXPECT_EQ(Recomposed(list, list.GetSize() - 1).size(), layout::kWidth);
    }
    list.Add(nullptr);
    EXPECT_EQ(list.GetSize(), 6);
}

class FilledAirportList : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* ident : {"AAAA", "BBBB", "CCCC"}) {
            AirportFields f;
            f.ident = ident;
            list.Add(SceneryAirportLine(f).c_str());
        }
    }
    static std::string Ident(const CAirportArray& l, int i) { return FieldOf(l.GetAID(i), {0, 10}); }

    CAirportArray list;
};

TEST_F(FilledAirportList, RemoveAllThenAddStartsAtIndexZero) {
    list.RemoveAll();
    EXPECT_EQ(list.GetSize(), 0);
    AirportFields f;
    f.ident = "ZZZZ";
    list.Add(SceneryAirportLine(f).c_str());
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_EQ(Ident(list, 0), "ZZZZ");
}

TEST_F(FilledAirportList, CopiesAreWholeAndIndependent) {
    CAirportArray constructed(list);
    CAirportArray assigned;
    assigned.Add(SceneryAirportLine({}).c_str());
    assigned = list;
    CAirportArray copied;
    copied.Add(SceneryAirportLine({}).c_str());
    copied.Copy(list);
    list.RemoveAll();
    for (const CAirportArray* copy : {&constructed, &assigned, &copied}) {
        ASSERT_EQ(copy->GetSize(), 3);
        EXPECT_EQ(Ident(*copy, 0), "AAAA");
        EXPECT_EQ(Ident(*copy, 2), "CCCC");
    }
}

TEST_F(FilledAirportList, MovesTakeTheRecordsAndLeaveAnEmptyList) {
    CAirportArray constructed(std::move(list));
    CAirportArray assigned;
    assigned = std::move(constructed);
    ASSERT_EQ(assigned.GetSize(), 3);
    EXPECT_EQ(Ident(assigned, 2), "CCCC");
    for (const CAirportArray* left : {&list, &constructed}) EXPECT_EQ(left->GetSize(), 0);
    list.Add(SceneryAirportLine({}).c_str());
    EXPECT_EQ(list.GetSize(), 1);
}

TEST_F(FilledAirportList, CopyOfItselfKeepsTheRecords) {
    list.Copy(list);
    list = list;
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(Ident(list, 1), "BBBB");
}

TEST_F(FilledAirportList, KeepsOrderWhileGrowing) {
    for (int i = 0; i < 1000; ++i) {
        AirportFields f;
        f.ident = std::to_string(i).insert(0, 1, 'X');
        list.Add(SceneryAirportLine(f).c_str());
    }
    ASSERT_EQ(list.GetSize(), 1003);
    EXPECT_EQ(Ident(list, 2), "CCCC");
    EXPECT_EQ(Ident(list, 3), "X0");
    EXPECT_EQ(Ident(list, 1002), "X999");
}

TEST_F(FilledAirportList, AddOfTextFromItsOwnStorageIsSafe) {
    // The name points into the sequence that this Add may move.
    for (int i = 0; i < 20; ++i) list.Add(list.GetAName(0));
    EXPECT_EQ(list.GetSize(), 23);
}

}  // namespace
