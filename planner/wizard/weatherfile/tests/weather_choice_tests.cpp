// What the weather page hands on: the generator's value, the editor's command line as
// the weather editor reads it, and a copied weather file.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/process.h"
#include "testing/temp_environment.h"
#include "weatherfile/weather_choice.h"
#include "wx/command_line.h"

namespace trevalo {
namespace {

TEST(WeatherChoiceTest, TheBasicWeatherAsTheGeneratorTakesIt) {
    const adf::BasicWeather weather{"c:\\trip\\trip.wx", true, false, 9500, 2, 3, 1, -5.0, 8.0};
    const sBasicWeatherStruct value = GeneratorWeather(weather);
    EXPECT_EQ(value.path, weather.path.c_str());
    EXPECT_TRUE(value.wind);
    EXPECT_FALSE(value.precipitation);
    EXPECT_EQ(value.cloudBase, 9500);
    EXPECT_EQ(value.visibility, 2);
    EXPECT_EQ(value.cloudKind, 3);
    EXPECT_EQ(value.turbulence, 1);
    EXPECT_EQ(value.temperature, -5.0);
    EXPECT_EQ(value.variation, 8.0);
}

TEST(WeatherChoiceTest, TheEditorReadsTheScratchFileOfABaseDirectoryWithBlanks) {
    for (const char* base : {"C:\\Quillet\\", "C:\\My Quillet", "D:\\Two  Blanks\\Here\\"}) {
        const std::vector<std::string> arguments = platform::SplitCommandLine(WeatherEditorArguments(base));
        ASSERT_EQ(arguments.size(), 1u) << base;
        std::string folder = base;
        if (folder.back() != '\\') folder += '\\';
        EXPECT_EQ(wx::WeatherFileFromArguments(arguments), folder + "AdvWx.wx");
    }
}

TEST(WeatherChoiceTest, ACopyReplacesTheTargetOrLeavesItAlone) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/from.wx", "weather bytes");
    env.writeFile("drive_c/to.wx", "old");
    EXPECT_TRUE(CopyWeatherFile("C:\\from.wx", "C:\\to.wx"));
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(env.driveC() / "to.wx"), "weather bytes");
    EXPECT_FALSE(CopyWeatherFile("C:\\missing.wx", "C:\\to.wx"));
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(env.driveC() / "to.wx"), "weather bytes");
}

}  // namespace
}  // namespace trevalo
