#include "quillet/error_list.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillet {
namespace {

const std::string kDocument = "C:\\My Adv\\Flight.txt";

TEST(ErrorListTest, AnErrorLineNamesTheListedPathAndALineNumber) {
    struct Case {
        std::string line;
        std::optional<ErrorLocation> location;
    };
    const Case cases[] = {
        {kDocument + " 12: label x not defined", ErrorLocation{kDocument, 12}},
        {"  " + kDocument + " 0: cannot read the source", ErrorLocation{kDocument, 0}},
        {kDocument + " -3: odd", ErrorLocation{kDocument, -3}},
        {kDocument + " 99999999999999999999: far", ErrorLocation{kDocument, std::numeric_limits<long long>::max()}},
        {kDocument + " x: no number", std::nullopt},
        {kDocument + " 12 no colon", std::nullopt},
        {"---------- C:\\Temp\\build.err : Flight.txt ----------", std::nullopt},
        {"Flight.txt - 2 - Error(s)", std::nullopt},
        {" ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseErrorLine(c.line, kDocument), c.location) << c.line;
}

class FindErrorTest : public ::testing::Test {
protected:
    std::optional<int> From(int index, bool backward) {
        visited_.clear();
        const auto step = FindError(
            lines_, index, backward, kDocument, [](const std::string& path) { return path == kDocument; },
            [this](int line) { visited_.push_back(line); });
        return step ? std::optional<int>(step->listLine) : std::nullopt;
    }

    const std::vector<std::string> lines_ = {
        "---------- C:\\Temp\\build.err : Flight.txt ----------",
        " ",
        kDocument + " 3: IF not closed",
        "C:\\My Adv\\Gone.txt!! 4: a file that is not there",
        kDocument + " 7: label a not defined",
        " ",
        "Flight.txt - 3 - Error(s)",
    };
    std::vector<int> visited_;
};

TEST_F(FindErrorTest, StepsSkipLinesThatNameNoExistingFile) {
    EXPECT_EQ(From(0, false), 2);
    EXPECT_EQ(visited_, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(From(3, false), 4);
    EXPECT_EQ(From(5, false), std::nullopt);
    EXPECT_EQ(visited_, (std::vector<int>{5, 6}));
    // Past the last line it starts again from the top.
    EXPECT_EQ(From(7, false), 2);
    EXPECT_EQ(From(3, true), 2);
    EXPECT_EQ(From(1, true), std::nullopt);
}

TEST_F(FindErrorTest, ThePreviousErrorIsLookedForTwoLinesBackWrappingToTheLast) {
    EXPECT_EQ(PreviousErrorIndex(5, 7), 3);
    EXPECT_EQ(PreviousErrorIndex(1, 7), 6);
    EXPECT_EQ(PreviousErrorIndex(0, 7), 6);
}

}  // namespace
}  // namespace quillet
