#include "flt_text.h"

#include <gtest/gtest.h>

namespace flitmark {
namespace {

using Lines = std::vector<std::string>;

struct SetCase {
    const char* name;
    Lines before;
    const char* section;
    const char* key;
    const char* value;
    bool replaced;
    Lines after;
};

class SetFltValueTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetFltValueTest, EditsTheLines) {
    const SetCase& c = GetParam();
    Lines lines = c.before;
    EXPECT_EQ(SetFltValue(lines, c.section, c.key, c.value), c.replaced);
    EXPECT_EQ(lines, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetFltValueTest,
    ::testing::Values(
        SetCase{"OnlyInItsSection",
                {"[Main]", "Title=a", "[Plane]", "Title=b"},
                "Plane",
                "Title",
                "c",
                true,
                {"[Main]", "Title=a", "[Plane]", "Title=c"}},
        SetCase{"MissingKeyIsLookedForInLaterSections",
                {"[Crash]", "x=1", "[Plane]", "Heading=0"},
                "Crash",
                "Heading",
                "90",
                true,
                {"[Crash]", "x=1", "[Plane]", "Heading=90"}},
        SetCase{"NotFoundLeavesTheLines", {"[Main]", "Title=a"}, "Main", "Year", "2002", false, {"[Main]", "Title=a"}},
        SetCase{"SectionMissing", {"Title=a"}, "Main", "Title", "b", false, {"Title=a"}},
        SetCase{"ValueLinesFollowTheKey",
                {"[ATC_Aircraft.0]", "Waypoint.0=", "NumberofWaypoints=0"},
                "[ATC_Aircraft.0]",
                "Waypoint.0",
                "A\nwaypoint.1=B\n",
                true,
                {"[ATC_Aircraft.0]", "Waypoint.0=A", "waypoint.1=B", "", "NumberofWaypoints=0"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace flitmark
