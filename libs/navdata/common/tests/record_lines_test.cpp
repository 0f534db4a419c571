// The composed lines hold what the scenery reader's formats print: every field
// left-justified and cut to its width ("%-<w>.<w>s"), numbers as "%.5f", "%f" and "%d".
#include "navdata/record_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "navdata/field_texts.h"

namespace navdata {
namespace {

template <typename... Args>
std::string Printed(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

const std::string kLong(60, 'x');

TEST(ComposeAirportLine, PutsEachTextLeftJustifiedInItsFieldAndCutsLongOnes) {
    const AirportLineTexts cases[] = {
        {"Springfield", "Freedonia", "Springfield Regional", "KSPF", "1234.500000", "N047* 27'12.34", "W122* 18'05.67",
         "118.250000", "270.0", "9800", "Asphalt", "110.300000", "ISPF", "L-5.000000", "N047* 27'10.00",
         "N047* 27'14.00", "W122* 18'00.00", "W122* 18'11.00"},
        {kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong,
         kLong, kLong},
        {},
    };
    for (const AirportLineTexts& t : cases) {
        const std::string expected = Printed(
            "%-40.40s%-30.30s%-50.50s%-10.10s%-15.15s%-20.20s%-20.20s%-10.10s%-5.5s%-15.15s%-10.10s"
            "%-10.10s%-10.10s%-10.10s%-20.20s%-20.20s%-20.20s%-20.20s",
            t.city.c_str(), t.country.c_str(), t.name.c_str(), t.ident.c_str(), t.elevation.c_str(), t.latitude.c_str(),
            t.longitude.c_str(), t.atisFrequency.c_str(), t.runwayHeading.c_str(), t.runwayLength.c_str(),
            t.surface.c_str(), t.ilsFrequency.c_str(), t.ilsIdent.c_str(), t.side.c_str(),
            t.runwayStartLatitude.c_str(), t.runwayEndLatitude.c_str(), t.runwayStartLongitude.c_str(),
            t.runwayEndLongitude.c_str());
        EXPECT_EQ(ComposeAirportLine(t), expected);
        EXPECT_EQ(expected.size(), 335u);
    }
}

TEST(ComposeNavaidLine, WritesTheFrequencyWithFiveDecimalsAndTheElevationWhole) {
    const NavaidLineValues cases[] = {
        {"", "VOR", "SPF", 113.4, "N047* 30'00.00", "W122* 20'00.00", 450, "SPRINGFIELD"},
        {"", "NDB", "OT", 350.0, "N046* 10'00.00", "W121* 10'00.00", -12, "OTHERTON NDB"},
        {kLong, kLong, kLong, 1e30, kLong, kLong, -2147483647, kLong},
    };
    for (const NavaidLineValues& v : cases) {
        const std::string frequency = Printed("%.5f", v.frequency);
        const std::string elevation = Printed("%d", v.elevationFeet);
        EXPECT_EQ(ComposeNavaidLine(v),
                  Printed("%-30.30s%-3.3s%-10.10s%-20.20s%-21.21s%-21.21s%-15.15s%-50.50s", v.country.c_str(),
                          v.type.c_str(), v.ident.c_str(), frequency.c_str(), v.latitude.c_str(), v.longitude.c_str(),
                          elevation.c_str(), v.name.c_str()));
    }
}

TEST(ComposeIlsLine, WritesFrequencyAndHeadingInFixedForm) {
    const IlsLineValues cases[] = {
        {4, "ISPF", "KSPF", "N047* 27'10.00", "W122* 18'00.00", 110.3, 270.0, "L-5.000000"},
        {123, kLong, kLong, kLong, kLong, 1e12, -1e12, kLong},
    };
    for (const IlsLineValues& v : cases) {
        const std::string kind = Printed("%d", v.kind);
        const std::string frequency = Printed("%f", v.frequency);
        const std::string heading = Printed("%f", v.heading);
        EXPECT_EQ(ComposeIlsLine(v), Printed("%-2.2s%-10.10s%-10.10s%-20.20s%-20.20s%-10.10s%-10.10s%-10.10s",
                                             kind.c_str(), v.ident.c_str(), v.airportIdent.c_str(), v.latitude.c_str(),
                                             v.longitude.c_str(), frequency.c_str(), heading.c_str(), v.side.c_str()));
    }
}

TEST(DatabaseBytes, CountLinePaddedToTheRecordWidthThenTheRecords) {
    const std::string record(92, 'i');
    EXPECT_EQ(DatabaseBytes({record, record}, 92),
              "2" + std::string(91, ' ') + "\r\n" + record + "\r\n" + record + "\r\n");
    EXPECT_EQ(DatabaseBytes({}, 5), "0    \r\n");
    EXPECT_EQ(DatabaseBytes({record}, 3, 50000), "50000\r\n" + record + "\r\n");  // a count wider than a record
}

TEST(FieldTexts, FrequencyAndSideFields) {
    EXPECT_EQ(FrequencyFieldText(118.25), "118.250000");
    EXPECT_EQ(FrequencyFieldText(0.0), "");
    EXPECT_EQ(SideFieldText('L', -5.0), "L-5.000000");
    EXPECT_EQ(SideFieldText(0, 2.5), "2.500000");
}

}  // namespace
}  // namespace navdata
