// The stand-in installation's files and install key.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

struct VersionCase {
    SimulatorVersion version;
    const char* keyPath;
    const char* valueName;
};

class InstallationTest : public ::testing::TestWithParam<VersionCase> {
protected:
    platform::testing::TempEnvironment env_;
};

TEST_P(InstallationTest, WritesFilesAndInstallKey) {
    InstallationOptions options;
    options.folder = "C:\\Sim";
    options.version = GetParam().version;
    const SceneryContent world = SampleWorld();
    ASSERT_TRUE(WriteInstallation(options, world));

    EXPECT_EQ(platform::ReadRegistryString(platform::Hive::LocalMachine, GetParam().keyPath, GetParam().valueName),
              "C:\\Sim");
    EXPECT_EQ(platform::FileSize("C:\\Sim\\Weather\\ICAO POS.BIN"), 16u * world.airports.size());
    std::vector<std::string> names;
    ASSERT_TRUE(platform::ReadLines("C:\\Sim\\Weather\\ICAO Name.CFG", names));
    ASSERT_EQ(names.size(), world.airports.size() + 1);
    EXPECT_EQ(names[1], "KSPF Springfield Regional");
    std::vector<std::string> cfg;
    ASSERT_TRUE(platform::ReadLines("C:\\Sim\\Aircraft\\Cessna\\Aircraft.cfg", cfg));
    EXPECT_EQ(cfg[0], "[fltsim.0]");
    EXPECT_EQ(cfg[1], "title=Cessna Skyhawk 172SP");
    EXPECT_EQ(platform::FindFiles("C:\\Sim\\flights\\*.*").size(), 3u);
    for (const char* folder : {"Advanced", "Beg", "Expert", "Int", "Other", "Wav"}) {
        EXPECT_TRUE(platform::FileExists(std::string("C:\\Sim\\Adv\\") + folder)) << folder;
    }
    EXPECT_FALSE(platform::FindFiles("C:\\Sim\\Scenery\\World\\scenery\\*.bgl").empty());
}

TEST(InstallationPlannerTarget, FlightsFolderStoredForThePlanner) {
    platform::testing::TempEnvironment env;
    InstallationOptions options;
    options.folder = "C:\\FS2002";
    options.version = SimulatorVersion::Fs2002;
    options.plannerFlightsFolder = "Quillet Flights";
    ASSERT_TRUE(WriteInstallation(options, SampleWorld()));
    EXPECT_TRUE(platform::FileExists("C:\\FS2002\\flights\\Quillet Flights"));
    EXPECT_EQ(platform::Profile("Quillet Applications", "Quillet").GetString("Files", "FS2K2MoveTo", ""),
              "Quillet Flights");
}

// A world written over a larger one: the scenery files of the larger one that the new
// world has no use for are gone, so that a scan finds the new world alone.
TEST(InstallationRewrite, LeavesNoSceneryOfTheWorldBefore) {
    platform::testing::TempEnvironment env;
    InstallationOptions options;
    options.folder = "C:\\Sim";
    options.airportsPerFile = 1;
    options.navaidsPerFile = 1;
    ASSERT_TRUE(WriteInstallation(options, SampleWorld()));
    SceneryContent smaller = SampleWorld();
    smaller.airports.resize(1);
    smaller.ndbs.clear();
    smaller.vors.clear();
    ASSERT_TRUE(WriteInstallation(options, smaller));
    std::vector<std::string> names;
    for (const platform::FoundFile& file : platform::FindFiles("C:\\Sim\\Scenery\\World\\scenery\\*.*"))
        names.push_back(file.name);
    EXPECT_EQ(names, std::vector<std::string>{"APT0000.bgl"});
}

// Every file of an installation, by its path below the root.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).string()] =
                platform::testing::TempEnvironment::readFile(entry.path());
    return files;
}

// Written again on a full disk or killed in mid-write: every older file stays whole.
TEST(InstallationRewrite, AFailedRewriteKeepsEveryOlderFile) {
    using platform::testing::AtFileSizeLimit;
    platform::testing::TempEnvironment env;
    InstallationOptions options;
    options.folder = "C:\\Sim";
    ASSERT_TRUE(WriteInstallation(options, SampleWorld()));
    const auto before = Snapshot(env.driveC() / "Sim");
    for (AtFileSizeLimit atLimit : {AtFileSizeLimit::WriteFails, AtFileSizeLimit::WriterDies}) {
        const auto outcome = platform::testing::RunWithFileSizeLimit(
            16, atLimit, [&](std::string&) { return WriteInstallation(options, SampleWorld()) ? 1 : 0; });
        EXPECT_NE(outcome.exitCode, 1);
        EXPECT_EQ(Snapshot(env.driveC() / "Sim"), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, InstallationTest,
    ::testing::Values(VersionCase{SimulatorVersion::Fs2000,
                                  "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path"},
                      VersionCase{SimulatorVersion::Fs2002,
                                  "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path"}));

}  // namespace
}  // namespace fsinstall
