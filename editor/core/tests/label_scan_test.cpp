#include "quillet/label_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

TEST(LabelScanTest, ALabelIsANameAndAColonWithAtMostACommentBehind) {
    struct Case {
        const char* line;
        std::optional<std::string> label;
    };
    const Case cases[] = {
        {"start: ; begins here", "start"},   {"\t  start:", "start"},         {"start: rem a note", "start"},
        {"subRemoveGear:", "subRemoveGear"}, {"remove:", "remove"},           {"IF a: b", std::nullopt},
        {"; start:", std::nullopt},          {"rem start:", std::nullopt},    {"x'y:", std::nullopt},
        {"start:x", std::nullopt},           {"start: remark", std::nullopt}, {":", std::nullopt},
        {"plain line", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(LabelOfLine(c.line), c.label) << c.line;
}

TEST(LabelScanTest, TheScanListsLabelsWithTheirLinesUpToItsLimit) {
    EXPECT_EQ(ScanLabels("start:\r\n\tGOSUB sub\r\nsub:\r\nRETURN"),
              (std::vector<SourceLabel>{{"start", 0}, {"sub", 2}}));
    std::string many;
    for (std::size_t i = 0; i < kMaxLabelsPerScan + 10; ++i) many += "label" + std::to_string(i) + ":\n";
    const auto labels = ScanLabels(many);
    ASSERT_EQ(labels.size(), kMaxLabelsPerScan);
    EXPECT_EQ(labels.back().name, "label" + std::to_string(kMaxLabelsPerScan - 1));
}

TEST(LabelScanTest, OnlyChangesThatTouchALabelLineAskForAScan) {
    struct Case {
        const char* before;
        const char* after;
        bool scan;
    };
    const Case cases[] = {
        {"star", "start:", true},
        {"start:", "start", true},
        {"start:", "starts:", true},
        {"x = 1", "x = 12", false},
        {"IF a : b", "IF a : bc", false},
        {"IF a : b", "IFa: b", true},
        {"", "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ChangesLabelLine(c.before, c.after), c.scan) << c.before << " > " << c.after;
}

TEST(LabelScanTest, ALabelIsFoundByItsOwnLineAfterTheCaretWrappingToTheStart) {
    const std::string text = "restart:\nx\nstart:\n\tGOSUB start\nstart: ; again\n";
    EXPECT_EQ(FindLabelLine(text, "start", 0), 2);
    EXPECT_EQ(FindLabelLine(text, "start", 2), 4);
    EXPECT_EQ(FindLabelLine(text, "start", 4), 2);
    EXPECT_EQ(FindLabelLine(text, "restart", 3), 0);
    EXPECT_EQ(FindLabelLine(text, "star", 0), std::nullopt);
}

}  // namespace
}  // namespace quillet
