#include "gathrel/line_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
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

// Each swap told is of two keys in the wrong order, the greater one standing before the
// smaller in the list as given; a list in order tells none; the order is the stable one.
TEST(SortLinesByKey, TellsOfTheSwapsItMakes) {
    std::mt19937 random(7);
    std::vector<std::string> shuffled;
    for (int i = 0; i < 3000; ++i) shuffled.push_back("K" + std::to_string(random() % 500) + "|" + std::to_string(i));
    const std::vector<std::vector<std::string>> cases = {{"b", "a"}, {"c", "b", "a", "b"},   {"a", "a", "b"},
                                                         {},         {"Peru  1", "Peru  0"}, shuffled};
    for (const std::vector<std::string>& given : cases) {
        std::vector<std::string> lines = given;
        std::vector<std::pair<std::string, std::string>> swaps;
        SortLinesByKey(
            lines, [&](std::string_view smaller, std::string_view greater) { swaps.emplace_back(smaller, greater); });
        std::vector<std::string> expected = given;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(swaps.empty(), given == expected);
        for (const auto& [smaller, greater] : swaps) {
            ASSERT_LT(smaller, greater);
            const auto isKey = [](const std::string& key) {
                return [&key](const std::string& line) { return SortKey(line) == key; };
            };
            // The greater key stood first somewhere, with the smaller one after it.
            const auto first = std::find_if(given.begin(), given.end(), isKey(greater));
            ASSERT_NE(std::find_if(first, given.end(), isKey(smaller)), given.end()) << smaller << " " << greater;
        }
    }
}

}  // namespace
}  // namespace gathrel
