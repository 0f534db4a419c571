// fsinstall's command line, and the program on a request for its usage: nothing is
// written, no folder taken for an option.
#include "fsinstall/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

using Args = std::vector<std::string>;

struct VerdictCase {
    Args args;
    CommandLineVerdict verdict;
};

TEST(CommandLine, TakesNoOptionForTheFolder) {
    const VerdictCase cases[] = {
        {{"--help"}, CommandLineVerdict::Help},
        {{"-h"}, CommandLineVerdict::Help},
        {{"C:\\FS2002", "--help"}, CommandLineVerdict::Help},
        {{"--fs2002"}, CommandLineVerdict::Wrong},  // no folder
        {{"--bogus"}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002", "--bogus"}, CommandLineVerdict::Wrong},
        {{}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002", "--airports"}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002", "--airports", "a.sqlite", "--every", "0"}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002", "--airports", "a.sqlite", "--every", "many"}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002", "--navaids", "nav.dat"}, CommandLineVerdict::Wrong},  // navaids need airports
        {{"C:\\FS2002", "D:\\FS2000"}, CommandLineVerdict::Wrong},
        {{"C:\\FS2002"}, CommandLineVerdict::Install},
    };
    for (const VerdictCase& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        std::string joined;
        for (const std::string& arg : c.args) joined += arg + " ";
        EXPECT_EQ(parsed.verdict, c.verdict) << joined;
        EXPECT_EQ(parsed.problem.empty(), c.verdict != CommandLineVerdict::Wrong) << joined;
    }
}

TEST(CommandLine, TakesEveryOptionInAnyOrder) {
    const ParsedCommandLine parsed =
        ParseCommandLine({"--airports", "a.sqlite", "--no-key", "C:\\FS2002", "--navaids", "nav.dat", "--every", "3",
                          "--fs2002", "--planner-flights", "Quillet Adventures"});
    ASSERT_EQ(parsed.verdict, CommandLineVerdict::Install) << parsed.problem;
    const CommandLine& line = parsed.line;
    EXPECT_EQ(line.options.folder, "C:\\FS2002");
    EXPECT_EQ(line.options.version, SimulatorVersion::Fs2002);
    EXPECT_FALSE(line.options.writeInstallKey);
    EXPECT_EQ(line.options.plannerFlightsFolder, "Quillet Adventures");
    EXPECT_EQ(line.airportDatabase, "a.sqlite");
    EXPECT_EQ(line.everyAirport, 3);
    EXPECT_EQ(line.navaidFile, "nav.dat");
}

// Run from a working folder of its own, with drive C and the settings in the test's
// folders: asking for the usage, or a wrong option, leaves all three empty.
TEST(FsinstallProgram, UsageAndWrongOptionsWriteNothing) {
    platform::testing::TempEnvironment env;
    const std::filesystem::path work = env.root() / "work";
    for (const auto& folder : {work, env.driveC(), env.settingsDir()}) std::filesystem::create_directories(folder);
    struct RunCase {
        const char* args;
        int exitCode;
    } cases[] = {{"--help", 0}, {"-h", 0}, {"--bogus", 2}, {"--planner-flights Adventures", 2}};
    for (const RunCase& c : cases) {
        const std::string command =
            "cd '" + work.string() + "' && '" FSINSTALL_PROGRAM "' " + c.args + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << c.args;
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << c.args;
        for (const auto& folder : {work, env.driveC(), env.settingsDir()})
            EXPECT_TRUE(std::filesystem::is_empty(folder)) << c.args << ": " << folder;
    }
}

}  // namespace
}  // namespace fsinstall
