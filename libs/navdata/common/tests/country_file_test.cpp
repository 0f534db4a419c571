#include "navdata/country_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace navdata {
namespace {

struct ParseCase {
    const char* what;
    const char* bytes;
    std::vector<CountryEntry> entries;
};

const ParseCase kParse[] = {
    {"line 1 is the count, never a country", "2\r\nChile\t1\r\nPeru\t0\r\n", {{"Chile", true}, {"Peru", false}}},
    {"LF alone ends lines too", "2\nChile\t1\nPeru\t1", {{"Chile", true}, {"Peru", true}}},
    {"only the first character after the TAB counts",
     "2\nChile\t1 extra\nPeru\t01\n",
     {{"Chile", true}, {"Peru", false}}},
    {"a line without a TAB is a loaded country", "1\n  New Zealand  \n", {{"New Zealand", true}}},
    {"names are trimmed on both sides", "1\n  Peru \t1\n", {{"Peru", true}}},
    {"a country without a name keeps its mark", "2\n\t1\n\t0\n", {{"", true}, {"", false}}},
    {"empty lines are no countries", "3\n\n  \nChile\t1\n", {{"Chile", true}}},
    {"an empty file has none", "", {}},
};

TEST(ParseCountryFile, ReadsNamesAndMarks) {
    for (const ParseCase& c : kParse) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseCountryFile(c.bytes), c.entries);
    }
}

TEST(CountryFileBytes, WritesABareCountThenNameTabMark) {
    EXPECT_EQ(CountryFileBytes({{"Chile", true}, {"Peru", false}, {"", true}}), "3\r\nChile\t1\r\nPeru\t0\r\n\t1\r\n");
    EXPECT_EQ(CountryFileBytes({}), "0\r\n");
    for (const ParseCase& c : kParse) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseCountryFile(CountryFileBytes(c.entries)), c.entries);
    }
}

TEST(LoadedCountryNames, KeepsTheLoadedInFileOrder) {
    EXPECT_EQ(LoadedCountryNames({{"Peru", true}, {"Chile", false}, {"Brazil", true}}),
              (std::vector<std::string>{"Peru", "Brazil"}));
}

TEST(CountryFile, WritingReplacesTheFileWholeAndKeepsItsMode) {
    platform::testing::TempEnvironment env;
    const auto host = env.writeFile("drive_c/Quillet/Country.nav", "1\r\nOld\t1\r\n");
    ::chmod(host.c_str(), 0640);
    ASSERT_TRUE(WriteCountryFile("C:\\Quillet\\Country.nav", {{"Chile", false}}));
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(host), "1\r\nChile\t0\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(host.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    std::vector<CountryEntry> entries{{"stale", true}};
    ASSERT_TRUE(ReadCountryFile("C:\\Quillet\\Country.nav", entries));
    EXPECT_EQ(entries, (std::vector<CountryEntry>{{"Chile", false}}));
}

TEST(CountryFile, AMissingFileIsNotCreatedByReading) {
    platform::testing::TempEnvironment env;
    std::vector<CountryEntry> entries{{"stale", true}};
    EXPECT_FALSE(ReadCountryFile("C:\\Quillet\\Country.nav", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(std::filesystem::exists(env.driveC() / "Quillet" / "Country.nav"));
}

TEST(CountryFile, AFailedWriteLeavesTheOldFile) {
    platform::testing::TempEnvironment env;
    const auto host = env.writeFile("drive_c/Quillet/Country.nav", "1\r\nOld\t1\r\n");
    const auto outcome =
        platform::testing::RunWithFileSizeLimit(8, platform::testing::AtFileSizeLimit::WriteFails, [](std::string&) {
            return WriteCountryFile("C:\\Quillet\\Country.nav", {{"Freedonia", true}}) ? 1 : 0;
        });
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(host), "1\r\nOld\t1\r\n");
}

}  // namespace
}  // namespace navdata
