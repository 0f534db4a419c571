// The stand-in compiler started as the planner and the editor start it.
#include "duze/build_run.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/process.h"
#include "testing/temp_environment.h"

namespace {

class DuzeRun : public ::testing::Test {
protected:
    bool Exists(const std::string& windowsPath) { return std::filesystem::exists(platform::HostPath(windowsPath)); }
    std::string Read(const std::string& windowsPath) {
        return platform::testing::TempEnvironment::readFile(platform::HostPath(windowsPath));
    }
    // Runs the program beside the test, as "C:\Quillet\DuzE.exe" resolves to it.
    void Run(const std::string& arguments, const std::string& workingFolder) {
        platform::Process process;
        ASSERT_TRUE(process.Start("DuzE.exe", arguments, workingFolder, platform::ShowMode::Hidden));
        ASSERT_TRUE(process.Wait());
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(DuzeRun, PlannerFormWritesBuildAdvBesideTheSource) {
    env_.writeFile("drive_c/Temp/Build.txt", "\tDECLARE i\r\nsubRUN:\r\n\ti = 1\r\nRETURN\r\n");
    Run(" -q C:\\Temp\\Build.txt", platform::HostPath("C:\\").string());
    EXPECT_TRUE(Exists("C:\\Temp\\Build.adv"));
    EXPECT_FALSE(Exists("C:\\Temp\\build.err"));
}

TEST_F(DuzeRun, EditorFormWritesBuildErrInTheWorkingFolder) {
    env_.writeFile("drive_c/Temp/Build.txt", "\tGOSUB subNone\r\n\tIF TRUE\r\n");
    env_.writeFile("drive_c/Work/Build.adv", "old");
    Run(" -e C:\\Temp\\Build.txt build", platform::HostPath("C:\\Work").string());
    EXPECT_FALSE(Exists("C:\\Work\\Build.adv"));
    EXPECT_EQ(Read("C:\\Work\\build.err"),
              "C:\\Temp\\Build.txt 1: label subNone not defined\r\nC:\\Temp\\Build.txt 2: IF not closed\r\n");
}

TEST(DuzeArguments, FormsTheSuiteUses) {
    auto planner = duze::ParseArguments({"-q", "C:\\My", "Temp\\Build.txt"});
    EXPECT_TRUE(planner.valid);
    EXPECT_EQ(planner.sourcePath, "C:\\My Temp\\Build.txt");
    EXPECT_EQ(planner.outputFolder, "C:\\My Temp\\");
    auto editor = duze::ParseArguments({"-e", "C:\\Temp\\Build.txt", "build"});
    EXPECT_TRUE(editor.valid);
    EXPECT_EQ(editor.outputFolder, "");
    EXPECT_FALSE(duze::ParseArguments({"-e", "C:\\Temp\\Build.txt"}).valid);
    EXPECT_FALSE(duze::ParseArguments({}).valid);
    EXPECT_EQ(duze::RunBuild({}), 2);
}

}  // namespace
