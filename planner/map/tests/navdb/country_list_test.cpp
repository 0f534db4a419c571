#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/country_list.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

TEST(CountryList, ComparesTrimmedNamesExactlyWithEitherLineEnd) {
    for (const std::string end : {"\r\n", "\n"}) {
        platform::testing::TempEnvironment env;
        env.writeFile("drive_c/Quillet/Country.nav",
                      "3" + end + "United States\t1" + end + "Canada\t0" + end + "chile\t1" + end);
        CountryList countries("C:\\Quillet\\");
        EXPECT_TRUE(countries.IsCountryLoaded("United States                 "));
        EXPECT_FALSE(countries.IsCountryLoaded("Canada"));
        EXPECT_FALSE(countries.IsCountryLoaded("Chile"));  // case counts
        EXPECT_FALSE(countries.IsCountryLoaded("Mexico"));
    }
}

TEST(CountryList, EveryCountryIsLoadedWithoutTheFile) {
    platform::testing::TempEnvironment env;
    CountryList countries("C:\\Quillet\\");
    EXPECT_TRUE(countries.IsCountryLoaded("Canada"));
    EXPECT_FALSE(countries.fileRead());
}

}  // namespace
}  // namespace trevalo
