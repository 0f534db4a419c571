// The stand-in installation's stations as Icarune, loaded by name, finds them.
#include <gtest/gtest.h>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "icarune/icarune.h"
#include "platform/dynamic_library.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

class IcaoStationsTest : public ::testing::TestWithParam<SimulatorVersion> {
protected:
    void SetUp() override {
        ASSERT_EQ(library_.Load("Icarune.dll"), platform::DynamicLibrary::LoadResult::Loaded);
        loadReg_ = library_.Function<int(char*, int)>("LoadReg");
        loadIcao_ = library_.Function<IcaoStationRecord(int, std::string)>("LoadICAO");
        loadIcaos_ = library_.Function<IcaoStationRecord(std::string, std::string)>("LoadICAOS");
        ASSERT_TRUE(loadReg_ && loadIcao_ && loadIcaos_);
        options_.folder = "D:\\Games\\Sim";
        options_.version = GetParam();
        ASSERT_TRUE(WriteInstallation(options_, world_));
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    platform::DynamicLibrary library_;
    int (*loadReg_)(char*, int) = nullptr;
    IcaoStationRecord (*loadIcao_)(int, std::string) = nullptr;
    IcaoStationRecord (*loadIcaos_)(std::string, std::string) = nullptr;
    InstallationOptions options_;
    SceneryContent world_ = SampleWorld();
};

TEST_P(IcaoStationsTest, EveryAirportIsAStationAtItsPosition) {
    char folder[kIcaruneFolderSize];
    ASSERT_NE(loadReg_(folder, static_cast<int>(GetParam())), 0);
    ASSERT_EQ(std::string(folder), options_.folder + "\\");
    // The folder as LoadReg gives it, or none for the FS2000 one.
    const std::string simFolder = GetParam() == SimulatorVersion::Fs2000 ? "" : folder;
    for (std::size_t i = 0; i < world_.airports.size(); ++i) {
        const Airport& airport = world_.airports[i];
        const IcaoStationRecord byIdent = loadIcaos_(airport.ident, simFolder);
        EXPECT_EQ(byIdent.index, static_cast<int>(i)) << airport.ident;
        EXPECT_NEAR(byIdent.latitude, airport.latitude, 1e-4) << airport.ident;
        EXPECT_NEAR(byIdent.longitude, airport.longitude, 1e-4) << airport.ident;
        const IcaoStationRecord byIndex = loadIcao_(static_cast<int>(i), simFolder);
        EXPECT_EQ(byIndex.id, airport.ident);
        EXPECT_EQ(byIndex.index, static_cast<int>(16 * i));
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, IcaoStationsTest,
                         ::testing::Values(SimulatorVersion::Fs2000, SimulatorVersion::Fs2002));

}  // namespace
}  // namespace fsinstall
