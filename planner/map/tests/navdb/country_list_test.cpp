#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/country_list.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

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
