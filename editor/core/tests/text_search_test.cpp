#include "quillet/text_search.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

TEST(TextSearchTest, FindHonoursCaseAndWholeWords) {
    const std::string text = "SetTimer settimer SETTIMERS timer";
    struct Case {
        const char* what;
        std::size_t from;
        FindOptions options;
        std::optional<std::size_t> found;
    };
    const Case cases[] = {
        {"settimer", 0, {}, 0},
        {"settimer", 0, {true, false}, 9},
        {"SETTIMER", 1, {}, 9},
        {"SETTIMER", 10, {}, 18},
        {"SETTIMER", 10, {false, true}, std::nullopt},
        {"timer", 0, {false, true}, 28},
        {"", 0, {}, std::nullopt},
        {"x", 99, {}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindText(text, c.what, c.from, c.options), c.found) << c.what << " " << c.from;
}

TEST(TextSearchTest, FindNextWrapsToTheStartWhenTheUserAgrees) {
    const std::string text = "GOSUB a\nGOSUB b\n";
    int questions = 0;
    const auto yes = [&] { return ++questions, true; };
    const auto no = [&] { return ++questions, false; };

    EXPECT_EQ(FindNext(text, "GOSUB", 1, {}, yes).match, 8u);
    EXPECT_EQ(questions, 0);
    // From the end of the text the question comes first; Yes searches from the top.
    EXPECT_EQ(FindNext(text, "GOSUB", text.size(), {}, yes).match, 0u);
    EXPECT_EQ(questions, 1);
    const FindNextResult declined = FindNext(text, "GOSUB", 9, {}, no);
    EXPECT_TRUE(declined.stopped);
    EXPECT_FALSE(declined.match);
    // Without a question (going to a label) it wraps at once.
    EXPECT_EQ(FindNext(text, "GOSUB", 9, {}, {}).match, 0u);
    EXPECT_FALSE(FindNext(text, "RETURN", 0, {}, yes).match);
}

TEST(TextSearchTest, TheWordAroundTheCaretStopsAtBlanksTabsAndLineEnds) {
    const std::string text = "\tSETTIMER 5\nnext";
    EXPECT_EQ(WordAround(text, 4), (TextRange{1, 9}));
    EXPECT_EQ(WordAround(text, 1), (TextRange{1, 9}));
    EXPECT_EQ(WordAround(text, 11), (TextRange{10, 11}));
    EXPECT_EQ(WordAround(text, 12), (TextRange{12, 16}));
    EXPECT_EQ(WordAround(text, 99), (TextRange{12, 16}));
}

TEST(TextSearchTest, LineNumbersAreKeptToTheLinesThereAre) {
    const std::pair<long long, int> cases[] = {{1, 0}, {3, 2}, {10, 4}, {0, 0}, {-7, 0}, {1LL << 40, 4}};
    for (const auto& [number, index] : cases) EXPECT_EQ(LineIndexOfNumber(number, 5), index) << number;
    EXPECT_EQ(LineIndexOfNumber(3, 0), 0);
}

}  // namespace
}  // namespace quillet
