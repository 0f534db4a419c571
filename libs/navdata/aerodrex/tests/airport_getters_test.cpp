#include <gtest/gtest.h>

#include <string>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "navdata_testing/getter_calls.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/text.h"

namespace {

namespace layout = aerodrex::airport_line;
using navdata::testing::AirportFields;
using navdata::testing::CallGetter;
using navdata::testing::ExactLine;
using navdata::testing::SceneryAirportLine;
using navdata::testing::TextGetter;
using platform::Trimmed;

struct TextGetterCase {
    const char* label;
    TextGetter getter;
    navdata::FieldLayout field;
    bool airportLinesOnly;
};

const TextGetterCase kTextGetters[] = {
    {"city", GetAirportCity, layout::kCity, true},
    {"country", GetAirportCountry, layout::kCountry, true},
    {"name", GetAirportName, layout::kName, false},
    {"ident", GetAirportID, layout::kIdent, false},
    {"elevation", GetAirportElev, layout::kElevation, false},
    {"latitude", GetAirportLat, layout::kLatitude, false},
    {"longitude", GetAirportLong, layout::kLongitude, false},
    {"atis", GetAirportAtisFreq, layout::kAtisFrequency, false},
    {"runway", GetAirportRunway, layout::kRunwayHeading, false},
    {"surface", GetAirportSurface, layout::kSurface, false},
    {"ils frequency", GetAirportIlsFreq, layout::kIlsFrequency, false},
    {"ils ident", GetAirportIlsId, layout::kIlsIdent, false},
    {"runway start latitude", GetAirportLatBeg, layout::kRunwayStartLatitude, true},
    {"runway end latitude", GetAirportLatEnd, layout::kRunwayEndLatitude, true},
    {"runway start longitude", GetAirportLonBeg, layout::kRunwayStartLongitude, true},
    {"runway end longitude", GetAirportLonEnd, layout::kRunwayEndLongitude, true},
};

TEST(AirportTextGetters, CopyTheirColumnsUntrimmedAndTerminated) {
    const std::string line = SceneryAirportLine({});
    for (const auto& c : kTextGetters) {
        const auto result = CallGetter(c.getter, line.c_str(), c.field.size());
        EXPECT_EQ(result.text, line.substr(c.field.column, c.field.width)) << c.label;
        EXPECT_TRUE(result.guardKept) << c.label;
    }
}

TEST(AirportTextGetters, ReadTheSceneryValues) {
    const AirportFields f;
    const ExactLine line(SceneryAirportLine(f));
    const struct {
        TextGetter getter;
        navdata::FieldLayout field;
        std::string expected;
    } cases[] = {
        {GetAirportCity, layout::kCity, f.city},
        {GetAirportName, layout::kName, f.name},
        {GetAirportElev, layout::kElevation, "1234.500000"},
        {GetAirportAtisFreq, layout::kAtisFrequency, "118.250000"},
        {GetAirportRunway, layout::kRunwayHeading, "270.0"},
        {GetAirportSurface, layout::kSurface, "Asphalt"},
        {GetAirportIlsFreq, layout::kIlsFrequency, "110.300000"},
        {GetAirportLonEnd, layout::kRunwayEndLongitude, f.runwayEndLongitude},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trimmed(CallGetter(c.getter, line.get(), c.field.size()).text), c.expected);
    }
}

TEST(AirportTextGetters, KindTestedOnesLeaveBufferUntouchedOnOtherLines) {
    const std::string lines[] = {std::string(170, 'n'), SceneryAirportLine({}) + "\n", ""};
    for (const auto& line : lines) {
        for (const auto& c : kTextGetters) {
            const auto result = CallGetter(c.getter, ExactLine(line).get(), c.field.size());
            EXPECT_EQ(result.untouched, c.airportLinesOnly) << c.label << " on length " << line.size();
        }
    }
}

// A line cut short reads as the whole line with blanks in the missing columns; the
// exact-size buffer lets the sanitizer catch any read past the terminator.
TEST(AirportGetters, ShortLineReadsMissingColumnsAsBlanks) {
    const std::string full = SceneryAirportLine({});
    for (std::size_t cut : {0u, 1u, 100u, 190u, 197u, 210u, 246u, 250u, 334u}) {
        const std::string shortLine = full.substr(0, cut);
        const std::string padded = shortLine + std::string(layout::kWidth - cut, ' ');
        const ExactLine line(shortLine);
        for (const auto& c : kTextGetters) {
            if (c.airportLinesOnly) continue;
            EXPECT_EQ(CallGetter(c.getter, line.get(), c.field.size()).text,
                      CallGetter(c.getter, padded.c_str(), c.field.size()).text)
                << c.label << " cut at " << cut;
        }
        EXPECT_EQ(GetAirportLenth(line.get()), GetAirportLenth(padded.c_str())) << cut;
        EXPECT_EQ(GetAirportRnw(line.get()), GetAirportRnw(padded.c_str())) << cut;
        EXPECT_EQ(GetAirportMagVar(line.get()), GetAirportMagVar(padded.c_str())) << cut;
        EXPECT_EQ(GetAirportRunwayDegree(line.get()), 0.0) << cut;
    }
}

TEST(AirportGetters, RunwayWritesSixBytesOnly) {
    const auto result = CallGetter(GetAirportRunway, SceneryAirportLine({}).c_str(), layout::kRunwayHeading.size());
    EXPECT_TRUE(result.guardKept);
    EXPECT_EQ(result.text, "270.0");
}

struct RunwayDegreeCase {
    std::string line;
    double degrees;
};

std::string WithRunwayHeading(const std::string& heading) {
    AirportFields f;
    f.runwayHeading = heading;
    return SceneryAirportLine(f);
}

TEST(GetAirportRunwayDegree, DropsSideLetterAndNeedsAnAirportLine) {
    const RunwayDegreeCase cases[] = {
        {WithRunwayHeading(" 09L "), 9.0},
        {WithRunwayHeading("270.0"), 270.0},
        {WithRunwayHeading("  27R"), 27.0},
        {WithRunwayHeading("36"), 36.0},
        {WithRunwayHeading("L"), 0.0},
        {WithRunwayHeading(""), 0.0},
        {WithRunwayHeading("abc"), 0.0},
        {std::string(170, ' '), 0.0},
        {WithRunwayHeading("270.0") + "\n", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(GetAirportRunwayDegree(ExactLine(c.line).get()), c.degrees) << c.line;
    }
}

struct SideCase {
    char side;
    double variation;
};

TEST(AirportSideField, LetterThenVariation) {
    const SideCase cases[] = {{'C', -3.0}, {0, -3.0}, {'L', -5.0}, {'R', 12.0}, {'H', 0.5}};
    for (const auto& c : cases) {
        AirportFields f;
        f.side = c.side;
        f.magneticVariation = c.variation;
        const ExactLine line(SceneryAirportLine(f));
        EXPECT_EQ(GetAirportRnw(line.get()), c.side) << c.variation;
        EXPECT_DOUBLE_EQ(GetAirportMagVar(line.get()), c.variation) << c.side;
    }
}

TEST(AirportSideField, OtherLetterIsNoSideAndNoNumber) {
    std::string line = SceneryAirportLine({});
    line.replace(layout::kSide.column, layout::kSide.width, "X5.000000 ");
    EXPECT_EQ(GetAirportRnw(line.c_str()), 0);
    EXPECT_EQ(GetAirportMagVar(line.c_str()), 0.0);
}

struct LengthCase {
    const char* field;  // 15 columns of the runway length
    int length;
};

TEST(GetAirportLenth, WholeNumberOfTheField) {
    const LengthCase cases[] = {
        {"9800           ", 9800}, {"      9800     ", 9800}, {"               ", 0},  {"abc            ", 0},
        {"12.7           ", 12},   {"-40            ", -40},  {"+40            ", 40}, {"999999999999999", 2147483647},
    };
    for (const auto& c : cases) {
        std::string line = SceneryAirportLine({});
        line.replace(layout::kRunwayLength.column, layout::kRunwayLength.width, c.field);
        EXPECT_EQ(GetAirportLenth(line.c_str()), c.length) << c.field;
    }
}

TEST(AirportGetters, BlankLineGivesZeros) {
    const std::string line(layout::kWidth, ' ');
    EXPECT_EQ(GetAirportRunwayDegree(line.c_str()), 0.0);
    EXPECT_EQ(GetAirportLenth(line.c_str()), 0);
    EXPECT_EQ(GetAirportRnw(line.c_str()), 0);
    EXPECT_EQ(GetAirportMagVar(line.c_str()), 0.0);
}

}  // namespace
