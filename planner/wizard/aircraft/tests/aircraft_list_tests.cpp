// The plane list from a stand-in installation's Aircraft.cfg files and install keys.
#include <gtest/gtest.h>

#include <filesystem>

#include "aircraft/aircraft_list.h"
#include "fsinstall/installation.h"
#include "platform/settings_store.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using Lines = std::vector<std::string>;
using Titles = std::vector<std::string>;

TEST(AircraftTitlesTest, TitlesOfTheNumberedSectionsUpToTheFirstMissing) {
    struct Case {
        const char* what;
        Lines lines;
        Titles titles;
    };
    const Case cases[] = {
        {"sections 0 and 2", {"[fltsim.0]", "title=Cub", "[fltsim.2]", "title=Cub floats"}, {"Cub"}},
        {"no title", {"[fltsim.0]", "sim=Cub", "[General]", "title=Not a variation"}, {}},
        {"title after the next section", {"[fltsim.0]", "[x]", "title=Late"}, {}},
        {"other case, trailing blanks",
         {"[FLTSIM.0]", "Title=Beaver  \t", "[FltSim.1]", "TITLE=Beaver Paint1"},
         {"Beaver", "Beaver Paint1"}},
        {"sections out of order", {"[fltsim.1]", "title=Second", "[fltsim.0]", "title=First"}, {"First", "Second"}},
        {"no sections", {"[General]", "title=Glider"}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(AircraftTitles(c.lines), c.titles) << c.what;
}

class InstalledPlanesTest : public ::testing::Test {
protected:
    void Install(fsinstall::SimulatorVersion version) {
        fsinstall::InstallationOptions options;
        options.folder = "C:\\Sim";
        options.version = version;
        ASSERT_TRUE(fsinstall::WriteInstallation(options, {}));
    }
    void WriteCfg(const std::string& folder, const std::string& bytes) {
        env_.writeFile("drive_c/Sim/Aircraft/" + folder + "/Aircraft.cfg", bytes);
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(InstalledPlanesTest, EveryFolderGivesItsTitlesInNameOrder) {
    Install(fsinstall::SimulatorVersion::Fs2000);
    WriteCfg("Beaver", "[FLTSIM.0]\r\nTITLE=Beaver \r\n[fltsim.2]\r\ntitle=Beaver Skis\r\n");
    WriteCfg("Glider", "[fltsim.0]\r\nsim=Glider\r\n");
    EXPECT_EQ(SimulatorFolder(), "C:\\Sim\\");
    EXPECT_EQ(InstalledPlanes(SimulatorFolder()),
              (Titles{"Beaver", "Cessna Skyhawk 172SP", "Cessna Skyhawk 172SP Paint1", "Learjet 45"}));
}

TEST_F(InstalledPlanesTest, AnUnreadableCfgGivesNoTitles) {
    Install(fsinstall::SimulatorVersion::Fs2000);
    // A folder where the file should be cannot be read as text.
    std::filesystem::create_directories(env_.driveC() / "Sim/Aircraft/Broken/Aircraft.cfg");
    std::filesystem::create_directories(env_.driveC() / "Sim/Aircraft/Empty");
    EXPECT_EQ(InstalledPlanes("C:\\Sim\\"),
              (Titles{"Cessna Skyhawk 172SP", "Cessna Skyhawk 172SP Paint1", "Learjet 45"}));
}

TEST_F(InstalledPlanesTest, AnFs2002InstallationAloneIsRead) {
    Install(fsinstall::SimulatorVersion::Fs2002);
    EXPECT_EQ(SimulatorFolder(), "C:\\Sim\\");
    EXPECT_EQ(InstalledPlanes(SimulatorFolder()).back(), "Learjet 45");
}

TEST_F(InstalledPlanesTest, WithoutAnInstallationTheFixedListIsOffered) {
    const Titles fixed(std::begin(kFixedPlanes), std::end(kFixedPlanes));
    EXPECT_EQ(SimulatorFolder(), "");
    EXPECT_EQ(InstalledPlanes(""), fixed);
    // A folder without aircraft folders matches nothing either.
    ASSERT_TRUE(platform::WriteRegistryString(platform::Hive::LocalMachine,
                                              fsinstall::InstallKeyPath(fsinstall::SimulatorVersion::Fs2000), "path",
                                              "C:\\Nothing"));
    EXPECT_EQ(SimulatorFolder(), "C:\\Nothing\\");
    EXPECT_EQ(InstalledPlanes(SimulatorFolder()), fixed);
}

}  // namespace
}  // namespace trevalo
