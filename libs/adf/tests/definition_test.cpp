#include "adf/definition.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace {

// Key lines in the order the suite writes them, with the codes that collide as
// substrings ("_100" in "_1000", "_600" in "_6000").
std::vector<std::string> SampleLines() {
    return {
        "\tDESC_904:",
        "1",
        "\tDESC_904_BEG:",
        "First line",
        "Second line  ",
        "",
        "\tDESC_904_END:",
        "\tTITLE_000:",
        "Trip \"One\"",
        "\tSEASON_002:",
        "Summer",
        "\tALWAYSPOS_100:",
        "1",
        "CTRL 'p'",
        "\tATC_GIVE_HOLDING_104:",
        "0",
        "\tATC_GIVE_HOLDING_104_LINE_NUM01:",
        "-3",
        "\tCORRECT_LAT_6000:",
        "47.000000",
        "NAVAIDINFO_300:",
        "airport line",
        "[BEG]270.000000",
        "[ENDSECTION]",
        "NAVAIDINFO_600:",
        "navaid line",
        "[ENDSECTION]",
        "\tEMERG_1000:",
        "25",
        "\tEMERG_1002:",
        "0",
        "\tSOUND_2000:",
    };
}

TEST(DefinitionKeys, FindTheKeyLineItself) {
    adf::Definition adf;
    adf.SetLines(SampleLines());
    struct Case {
        const char* code;
        const char* value;
    };
    const Case cases[] = {
        {"_000", "Trip \"One\""},
        {"_100", "1"},  // not "\tEMERG_1000:"
        {"_1000", "25"},
        {"_104", "0"},  // not the holding lines
        {"_104_LINE_NUM01", "-3"},
        {"_600", "navaid line"},  // not "\tCORRECT_LAT_6000:"
        {"_6000", "47.000000"},
        {"_300", "airport line"},
        {"002", "Summer"},  // without its underscore, not "_1002"
        {"_1002", "0"},
        {"_999", ""},   // missing
        {"_2000", ""},  // key on the last line: empty value
    };
    for (const auto& c : cases) EXPECT_EQ(adf.Value(c.code), c.value) << c.code;
    EXPECT_EQ(adf.Value("_100", 2), "CTRL 'p'");
}

TEST(DefinitionKeys, OptionsAndBlocks) {
    adf::Definition adf;
    adf.SetLines(SampleLines());
    EXPECT_TRUE(adf.IsOptionSet("_100"));
    EXPECT_FALSE(adf.IsOptionSet("_104"));
    EXPECT_FALSE(adf.IsOptionSet("_777"));
    EXPECT_TRUE(adf.IsOptionSet("_2000"));  // empty value counts as set
    EXPECT_EQ(adf.Block("_904_BEG"), "First line\nSecond line");
    EXPECT_EQ(adf.FindKeys("_904").size(), 1u);
    EXPECT_EQ(adf.FindLineContaining("[BEG]").value(), 22u);
}

TEST(DefinitionKeys, KeyLineShape) {
    struct Case {
        const char* line;
        const char* code;
        bool key;
    };
    const Case cases[] = {
        {"\tTITLE_000:", "_000", true},         {"\tTITLE_000:\r", "_000", true}, {"\tEMERG_1000:", "_100", false},
        {"TITLE_000:", "_000", false},           // no tab
        {"\tA text with _000:", "_000", false},  // value text, not a key
        {"NAVAIDINFO_301:", "_301", true},      {"\tSEASON_002:", "002", true},   {"\tEMERG_1002:", "002", false},
    };
    for (const auto& c : cases) EXPECT_EQ(adf::IsKeyLineOf(c.line, c.code), c.key) << c.line;
}

TEST(DefinitionFile, LoadsCrLfFile) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Trip/Trip.adf", "\tTITLE_000:\r\nTrip\r\n\tSEASON_002:\r\nWinter\r\n");
    adf::Definition adf;
    ASSERT_TRUE(adf.Load("C:\\Trip\\Trip.adf"));
    EXPECT_EQ(adf.Value("_000"), "Trip");
    EXPECT_EQ(adf.Value("_002"), "Winter");
    EXPECT_FALSE(adf.Load("C:\\Trip\\Missing.adf"));
}

}  // namespace
