// The stand-in installation's files and install key.
#include <gtest/gtest.h>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
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

    EXPECT_EQ(platform::ReadRegistryString(platform::Hive::LocalMachine, GetParam().keyPath,
                                           GetParam().valueName),
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

INSTANTIATE_TEST_SUITE_P(
    Versions, InstallationTest,
    ::testing::Values(VersionCase{SimulatorVersion::Fs2000, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path"},
                      VersionCase{SimulatorVersion::Fs2002, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path"}));

}  // namespace
}  // namespace fsinstall
