#include "quillet/auto_indent.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(AutoIndentTest, TheNewLineFollowsTheBlockKeywordsOfTheFinishedLine) {
    struct Case {
        const char* above;
        const char* finished;
        const char* finishedAfter;
        int newLineTabs;
    };
    const Case cases[] = {
        {"", "IF A > 2", "IF A > 2", 1},
        {"", "\tif a", "\tif a", 2},
        {"", "IF", "IF", 1},
        {"", "IFFY = 2", "IFFY = 2", 0},
        {"\t\tx = 1", "\t\tx = 2", "\t\tx = 2", 2},
        // ELSE and ENDIF at the depth of the line above move one tab left.
        {"\t\tx = 1", "\t\tELSE", "\tELSE", 2},
        {"\t\tx = 1", "\t\tELSEIF b", "\tELSEIF b", 2},
        {"\t\tx = 1", "\t\tENDIF  ", "\tENDIF", 1},
        {"\t\tx = 1", "\tENDIF", "\tENDIF", 1},
        {"", "ENDIF", "ENDIF", 0},
        // Labels and RETURN lose their leading tabs only: a tab in a comment stays.
        {"", "\t\tstart:", "start:", 1},
        {"", "\tstart: ; a\tcomment", "start: ; a\tcomment", 1},
        {"", "\t\tRETURN", "RETURN", 1},
        {"", "\tRETURNED = 1", "\tRETURNED = 1", 1},
    };
    for (const Case& c : cases) {
        const Indentation result = IndentAfterEnter(c.finished, c.above);
        EXPECT_EQ(result.finishedLine, c.finishedAfter) << c.finished;
        EXPECT_EQ(result.finishedChanged, std::string(c.finished) != c.finishedAfter) << c.finished;
        EXPECT_EQ(result.newLineTabs, c.newLineTabs) << c.finished;
    }
}

TEST(AutoIndentTest, OnlySourcesIndent) {
    EXPECT_TRUE(IndentsPath("C:\\Adv\\Flight.txt"));
    EXPECT_TRUE(IndentsPath("C:\\Adv\\Flight.TxT"));
    EXPECT_FALSE(IndentsPath("C:\\Adv\\Flight.adf"));
    EXPECT_FALSE(IndentsPath(""));
}

}  // namespace
}  // namespace quillet
