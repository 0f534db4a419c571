#include <gtest/gtest.h>

#include <string>

#include "aerodrex/line_type.h"
#include "navdata_testing/scenery_lines.h"

namespace {

using navdata::testing::SceneryAirportLine;
using navdata::testing::SceneryIlsLine;
using navdata::testing::SceneryNavaidLine;

struct LineTypeCase {
    const char* label;
    std::string line;
    int type;
};

TEST(GetLineType, TellsKindByLengthAlone) {
    const LineTypeCase cases[] = {
        {"airport", SceneryAirportLine({}), kAirportLineType},
        {"navaid", SceneryNavaidLine({}), kNavaidLineType},
        {"ils", SceneryIlsLine({}), kIlsLineType},
        {"airport with CR LF", SceneryAirportLine({}) + "\r\n", kOtherLineType},
        {"airport with LF", SceneryAirportLine({}) + "\n", kOtherLineType},
        {"navaid with LF", SceneryNavaidLine({}) + "\n", kOtherLineType},
        {"ils with LF", SceneryIlsLine({}) + "\n", kOtherLineType},
        {"empty", "", kOtherLineType},
        {"blanks of airport width", std::string(335, ' '), kAirportLineType},
        {"very long", std::string(5000, 'x'), kOtherLineType},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetLineType(c.line.c_str()), c.type) << c.label;
        EXPECT_EQ(GetLineType(c.line), c.type) << c.label;
    }
}

TEST(GetLineType, NullLineIsOtherKind) { EXPECT_EQ(GetLineType(static_cast<const char*>(nullptr)), kOtherLineType); }

}  // namespace
