#include "gathrel/line_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gathrel {
namespace {

TEST(SortKey, IsTheFirstThirtyCharactersWithoutTrailingWhiteSpace) {
    EXPECT_EQ(SortKey("Chile   \t  rest"), "Chile   \t  rest");
    EXPECT_EQ(SortKey(std::string("Peru") + std::string(26, ' ') + "NDB"), "Peru");
    EXPECT_EQ(SortKey(std::string(30, 'x') + "tail"), std::string(30, 'x'));
    EXPECT_EQ(SortKey("  "), "");
}

TEST(SortLinesByKey, OrdersByKeyAndKeepsTheOrderOfEqualKeys) {
    const std::string thirty(30, 'C');
    std::vector<std::string> lines = {
        "Peru  1\n", thirty + "second\n", "Chile\n", thirty + "first\n", "Brazil\n", "Peru  0\n",
    };
    SortLinesByKey(lines);
    // Keys that differ only after the 30th character are equal: their order stays.
    EXPECT_EQ(lines, (std::vector<std::string>{"Brazil\n", thirty + "second\n", thirty + "first\n", "Chile\n",
                                               "Peru  0\n", "Peru  1\n"}));
}

TEST(SortLinesByKey, SortsLargeListsAtOnce) {
    std::vector<std::string> lines;
    for (int i = 86000; i > 0; --i) lines.push_back(std::to_string(i % 977) + "|" + std::to_string(i));
    SortLinesByKey(lines);
    for (std::size_t i = 1; i < lines.size(); ++i) ASSERT_LE(SortKey(lines[i - 1]), SortKey(lines[i]));
}

}  // namespace
}  // namespace gathrel
