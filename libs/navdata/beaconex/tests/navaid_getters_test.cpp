#include <gtest/gtest.h>

#include <string>

#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata_testing/getter_calls.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/text.h"

namespace {

namespace layout = beaconex::navaid_line;
using navdata::testing::CallGetter;
using navdata::testing::ExactLine;
using navdata::testing::NavaidFields;
using navdata::testing::SceneryNavaidLine;
using navdata::testing::TextGetter;
using platform::Trimmed;

struct NavaidGetterCase {
    const char* label;
    TextGetter getter;
    navdata::FieldLayout field;
    std::string expected;  // trimmed, from the default scenery line
};

const NavaidGetterCase kGetters[] = {
    {"country", GetNavaidsCountry, layout::kCountry, ""},
    {"type", GetNavaidsType, layout::kType, "VOR"},
    {"ident", GetNavaidsID, layout::kIdent, "SPF"},
    {"frequency", GetNavaidsFreq, layout::kFrequency, "113.40000"},
    {"latitude", GetNavaidsLat, layout::kLatitude, NavaidFields{}.latitude},
    {"longitude", GetNavaidsLon, layout::kLongitude, NavaidFields{}.longitude},
    {"elevation", GetNavaidsElev, layout::kElevation, "450"},
    {"name", GetNavaidsName, layout::kName, "SPRINGFIELD"},
};

TEST(NavaidGetters, CopyTheirColumnsUntrimmed) {
    const ExactLine line(SceneryNavaidLine({}));
    for (const auto& c : kGetters) {
        const auto result = CallGetter(c.getter, line.get(), c.field.size());
        EXPECT_EQ(result.text.size(), c.field.width) << c.label;
        EXPECT_EQ(Trimmed(result.text), c.expected) << c.label;
        EXPECT_TRUE(result.guardKept) << c.label;
    }
}

TEST(NavaidGetters, ShortLineReadsMissingColumnsAsBlanks) {
    const std::string full = SceneryNavaidLine({});
    for (std::size_t cut : {0u, 31u, 50u, 110u, 169u}) {
        const std::string shortLine = full.substr(0, cut);
        const std::string padded = shortLine + std::string(layout::kWidth - cut, ' ');
        const ExactLine line(shortLine);
        for (const auto& c : kGetters) {
            EXPECT_EQ(CallGetter(c.getter, line.get(), c.field.size()).text,
                      CallGetter(c.getter, padded.c_str(), c.field.size()).text)
                << c.label << " cut at " << cut;
        }
    }
}

TEST(NavaidGetters, GpsPointHasZeroFrequencyAndElevation) {
    NavaidFields f;
    f.type = "GPS";
    f.frequency = 0;
    f.elevation = 0;
    const ExactLine line(SceneryNavaidLine(f));
    EXPECT_EQ(Trimmed(CallGetter(GetNavaidsType, line.get(), layout::kType.size()).text), "GPS");
    EXPECT_EQ(std::stod(CallGetter(GetNavaidsFreq, line.get(), layout::kFrequency.size()).text), 0.0);
    EXPECT_EQ(std::stod(CallGetter(GetNavaidsElev, line.get(), layout::kElevation.size()).text), 0.0);
}

}  // namespace
