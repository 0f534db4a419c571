#include <gtest/gtest.h>

#include "adf/keys.h"
#include "flitmark/flitmark.h"
#include "flt_fixture.h"

namespace flitmark {
namespace {

using Lines = std::vector<std::string>;

class AddGpsToFltTest : public testing::FltFixture {};

TEST_F(AddGpsToFltTest, AppendsTheSectionFromTheFlightPlan) {
    WriteText(testing::kAdfPath, {adf::keys::kTitle.Line(), "Trip"});
    Lines plan = {"[flightplan]", "departure_id=OLD, N0, W0, +000000.00",
                  "departure_id=KSEA, N047* 27.57', W122* 18.31', +000433.00"};
    for (int i = 0; i < 5; ++i) plan.push_back("waypoint." + std::to_string(i) + "=X, A, N, W, +000000.00, ");
    WriteText(testing::kPlnPath, plan);
    const Lines before = ReadFileLines(testing::kFltPath);

    ASSERT_TRUE(AddGpsToFlt(testing::kAdfPath));
    Lines expected = before;
    expected.insert(expected.end(),
                    {"", "[GPS_Engine]", "Filename=Trip.flt", "position=KSEA, N047* 27.57', W122* 18.31', +000433.00",
                     "Time=40199", "CountWP=5", "NextWP=1", "WpInfo0=38, 0, 15239, 0, 40163, 1555.0, 0.0, 0.0"});
    EXPECT_EQ(ReadFileLines(testing::kFltPath), expected);
}

TEST_F(AddGpsToFltTest, FailsWhenAFileIsMissing) {
    EXPECT_FALSE(AddGpsToFlt(testing::kAdfPath));
    WriteText(testing::kAdfPath, {adf::keys::kTitle.Line(), "Trip"});
    const std::string before = Bytes(testing::kFltPath);
    EXPECT_FALSE(AddGpsToFlt(testing::kAdfPath));  // no flight plan
    EXPECT_EQ(Bytes(testing::kFltPath), before);
}

}  // namespace
}  // namespace flitmark
