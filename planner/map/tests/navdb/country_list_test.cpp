#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/country_list.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

struct NamesCase {
    const char* what;
    std::vector<std::string> lines;
    std::vector<std::string> loaded;
};

const NamesCase kNames[] = {
    {"line 1 is the count, never a country", {"2", "Chile\t1", "Peru\t1"}, {"Chile", "Peru"}},
    {"a name, a TAB and 0 is not loaded", {"2", "Chile\t0", "Peru\t1"}, {"Peru"}},
    {"only the first character after the TAB counts", {"1", "Chile\t1 extra", "Peru\t01"}, {"Chile"}},
    {"a line without a TAB is a loaded country", {"1", "  New Zealand  "}, {"New Zealand"}},
    {"names are trimmed on both sides", {"1", "  Peru \t1"}, {"Peru"}},
};

TEST(LoadedCountryNames, FollowsTheMarks) {
    for (const NamesCase& c : kNames) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadedCountryNames(c.lines), c.loaded);
    }
}

TEST(CountryList, ComparesTrimmedNamesExactly) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/Country.nav", "3\r\nUnited States\t1\r\nCanada\t0\r\nchile\t1\r\n");
    CountryList countries("C:\\Quillet\\");
    EXPECT_TRUE(countries.IsCountryLoaded("United States                 "));
    EXPECT_FALSE(countries.IsCountryLoaded("Canada"));
    EXPECT_FALSE(countries.IsCountryLoaded("Chile"));  // case counts
    EXPECT_FALSE(countries.IsCountryLoaded("Mexico"));
}

TEST(CountryList, EveryCountryIsLoadedWithoutTheFile) {
    platform::testing::TempEnvironment env;
    CountryList countries("C:\\Quillet\\");
    EXPECT_TRUE(countries.IsCountryLoaded("Canada"));
    EXPECT_FALSE(countries.fileRead());
}

}  // namespace
}  // namespace trevalo
