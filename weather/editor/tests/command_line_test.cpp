#include "wx/command_line.h"

#include <gtest/gtest.h>

#include "platform/process.h"

namespace wx {
namespace {

struct CommandLineCase {
    const char* name;
    const char* commandLine;  // the whole line, the program's name first
    const char* weatherFile;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, NamesTheWeatherFile) {
    std::vector<std::string> arguments = platform::SplitCommandLine(GetParam().commandLine);
    ASSERT_FALSE(arguments.empty());
    arguments.erase(arguments.begin());
    EXPECT_EQ(WeatherFileFromArguments(arguments), GetParam().weatherFile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"NoArgument", R"(C:\Quillet\Wx.exe)", ""},
        CommandLineCase{"ProgramOnALowerCaseDrive", R"(l:\quillet\Wx.exe)", ""},
        CommandLineCase{"ProgramWithLColonInside", R"("C:\Tools\xl:y\Wx.exe" other)", ""},
        CommandLineCase{"Plain", R"(C:\Quillet\Wx.exe l:C:\Quillet\AdvWx.wx)", R"(C:\Quillet\AdvWx.wx)"},
        CommandLineCase{"QuotedProgramAndFile", R"("C:\Program Files\Quillet\Wx.exe" "l:C:\My Weather\Adv Wx.wx")",
                        R"(C:\My Weather\Adv Wx.wx)"},
        CommandLineCase{"QuotesAfterThePrefix", R"(Wx.exe l:"D:\My Weather\a.wx")", R"(D:\My Weather\a.wx)"},
        CommandLineCase{"LowerCaseDriveInTheFile", R"(Wx.exe l:c:\quillet\advwx.wx)", R"(c:\quillet\advwx.wx)"},
        CommandLineCase{"ArgumentsBefore", R"(Wx.exe -x "l:C:\a b.wx" "l:C:\c.wx")", R"(C:\a b.wx)"},
        CommandLineCase{"OnlyAtTheStart", R"(Wx.exe C:\l:x.wx)", ""},
        CommandLineCase{"UpperCasePrefixIsNoFile", R"(Wx.exe L:C:\a.wx)", ""},
        CommandLineCase{"PrefixAlone", R"(Wx.exe l:)", ""}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wx
