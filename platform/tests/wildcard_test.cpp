#include <gtest/gtest.h>

#include "platform/file_search.h"

namespace platform {
namespace {

TEST(WildcardTest, MatchesByWindowsRules) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*", "Airport.nav", true},
        {"*", "", true},
        {"*.*", "Airport.nav", true},
        {"*.*", "README", true},
        {"*.*", ".hidden", true},
        {"*.tmp", "N45E005.TMP", true},
        {"*.tmp", "N45E005.tmpx", false},
        {"*.tmp", "tmp", false},
        {"Map*.tmp", "map01.tmp", true},
        {"Land*.nav", "Land.nav", true},
        {"Land*.nav", "Lan.nav", false},
        {"Adv????.wav", "Adv0001.wav", true},
        {"Adv????.wav", "Adv001.wav", false},
        {"Adv????.wav", "Adv00011.wav", false},
        {"?", "", false},
        {"Build.*", "Build", true},
        {"Build.*", "Build.adv", true},
        {"Build.*", "Builder.adv", false},
        {"*a*b*c", "xaxbxbxc", true},
        {"*a*b*c", "xaxbxbxcx", false},
        {"LAT*LON*.adf", "latN45LONE005.ADF", true},
        {"exact.txt", "EXACT.TXT", true},
        {"exact.txt", "exact.txt2", false},
    };
    for (const auto& test : cases)
        EXPECT_EQ(MatchesWildcard(test.pattern, test.name), test.matches) << test.pattern << " / " << test.name;
}

}  // namespace
}  // namespace platform
