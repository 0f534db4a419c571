// Icarune found and called by name through the platform's run-time loading.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "icarune/icarune.h"
#include "platform/dynamic_library.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "testing/temp_environment.h"

namespace {

constexpr const char* kFs2000Key = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
constexpr const char* kFs2002Key = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
constexpr const char* kMissingFileMessage =
    "The ICAO file could not be found.\nThe ID and Lat/Long are wrong\n"
    "Please do not make any changes to the ID\n";

struct Station {
    const char* id;
    float latitude, longitude, elevation;
};

class IcaruneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library_.Load("Icarune.dll"), platform::DynamicLibrary::LoadResult::Loaded);
        loadReg_ = library_.Function<int(char*, int)>("LoadReg");
        loadIcao_ = library_.Function<IcaoStationRecord(int, std::string)>("LoadICAO");
        loadIcaos_ = library_.Function<IcaoStationRecord(std::string, std::string)>("LoadICAOS");
        ASSERT_NE(loadReg_, nullptr);
        ASSERT_NE(loadIcao_, nullptr);
        ASSERT_NE(loadIcaos_, nullptr);
    }

    // Writes the station file under drive C's folder "Sim" and returns that folder.
    std::string WriteStations(const std::vector<Station>& stations) {
        std::string bytes;
        for (const Station& s : stations) {
            char record[16] = {};
            std::strncpy(record, s.id, 4);
            std::memcpy(record + 4, &s.latitude, 4);
            std::memcpy(record + 8, &s.longitude, 4);
            std::memcpy(record + 12, &s.elevation, 4);
            bytes.append(record, sizeof record);
        }
        env_.writeFile("drive_c/Sim/Weather/ICAO POS.BIN", bytes);
        return "C:\\Sim";
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    platform::DynamicLibrary library_;
    int (*loadReg_)(char*, int) = nullptr;
    IcaoStationRecord (*loadIcao_)(int, std::string) = nullptr;
    IcaoStationRecord (*loadIcaos_)(std::string, std::string) = nullptr;
};

TEST_F(IcaruneTest, LoadRegEndsTheFolderInOneBackslash) {
    // The value is read into 260 characters, terminator included.
    const std::string longest = "C:\\" + std::string(256, 'F');
    struct Case {
        const char* key;
        const char* name;
        std::string stored;
        int version;
        std::string expected;  // empty: not read, result 0
    } cases[] = {
        {kFs2000Key, "path", "C:\\FS2000\\", 7, "C:\\FS2000\\"},
        {kFs2000Key, "path", "C:\\FS2000", 7, "C:\\FS2000\\"},
        {kFs2002Key, "EXE Path", "D:\\Games\\FS2002", 8, "D:\\Games\\FS2002\\"},
        {kFs2000Key, "path", "", 7, "\\"},
        {kFs2000Key, "path", longest, 7, longest + "\\"},
        {kFs2000Key, "path", longest + "X", 7, ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(platform::WriteRegistryString(platform::Hive::LocalMachine, c.key, c.name, c.stored));
        char out[kIcaruneFolderSize] = "junk";
        EXPECT_EQ(loadReg_(out, c.version) != 0, !c.expected.empty()) << c.stored;
        EXPECT_EQ(std::string(out), c.expected) << c.stored;
    }
}

TEST_F(IcaruneTest, LoadRegWithoutKeyGivesEmptyText) {
    char out[kIcaruneFolderSize] = "junk";
    EXPECT_EQ(loadReg_(out, 8), 0);
    EXPECT_STREQ(out, "");
    // The FS2000 value name does not stand for FS2002's.
    ASSERT_TRUE(platform::WriteRegistryString(platform::Hive::LocalMachine, kFs2002Key, "path", "C:\\X"));
    EXPECT_EQ(loadReg_(out, 8), 0);
}

TEST_F(IcaruneTest, LoadRegOnlyReads) {
    const std::filesystem::path store = env_.settingsDir() / "local-machine.reg";
    char out[kIcaruneFolderSize];
    loadReg_(out, 7);
    EXPECT_FALSE(std::filesystem::exists(store)) << "a missing key was created";

    ASSERT_TRUE(platform::WriteRegistryString(platform::Hive::LocalMachine, kFs2000Key, "path", "C:\\FS2000"));
    const std::string before = platform::testing::TempEnvironment::readFile(store);
    // A machine hive the user may only read (root writes it all the same).
    std::filesystem::permissions(store, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_NE(loadReg_(out, 7), 0);
    EXPECT_EQ(loadReg_(out, 8), 0);
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(store), before);
}

TEST_F(IcaruneTest, LoadIcaoReadsRecordAndGivesBytePosition) {
    const std::string folder = WriteStations({{"KSEA", 47.4f, 237.7f, 130.0f},
                                              {"EGLL", 51.5f, 359.5f, 25.0f},
                                              {"YBBN", -27.4f, 153.1f, 4.0f},
                                              {"LFPG", 49.0f, 350.0f, 119.0f}});
    const IcaoStationRecord station = loadIcao_(3, folder);
    EXPECT_EQ(station.index, 48);
    EXPECT_EQ(station.id, "LFPG");
    EXPECT_FLOAT_EQ(station.latitude, 49.0f);
    EXPECT_FLOAT_EQ(station.longitude, -10.0f);
    EXPECT_FLOAT_EQ(station.elevation, 119.0f);
    EXPECT_FLOAT_EQ(loadIcao_(2, folder).longitude, 153.1f);

    // A trailing part of a record is no record.
    env_.writeFile(
        "drive_c/Sim/Weather/ICAO POS.BIN",
        platform::testing::TempEnvironment::readFile(env_.driveC() / "Sim/Weather/ICAO POS.BIN") + std::string(8, 'X'));
    for (int index : {-1, 4, 1 << 30}) {
        const IcaoStationRecord none = loadIcao_(index, folder);
        EXPECT_EQ(none.index, -1);
        EXPECT_EQ(none.id, "N/A");
        EXPECT_FLOAT_EQ(none.latitude, -1.0f);
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(IcaruneTest, LoadIcaoReportsMissingFile) {
    EXPECT_EQ(loadIcao_(0, "C:\\Nowhere").id, "N/A");
    // No folder given and no FS2000 key.
    EXPECT_EQ(loadIcao_(0, "").id, "N/A");
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kMissingFileMessage, kMissingFileMessage}));
    for (const platform::MessageBoxRequest& box : boxes_.shown()) {
        EXPECT_EQ(box.icon, platform::MbIcon::None);
        EXPECT_EQ(box.buttons, platform::MbButtons::Ok);
        EXPECT_EQ(box.caption, platform::ProgramTitle());
    }
}

TEST_F(IcaruneTest, StationFileThatCannotBeOpenedGivesNothingSilently) {
    // A folder in place of the file exists but does not open.
    std::filesystem::create_directories(env_.driveC() / "Sim" / "Weather" / "ICAO POS.BIN");
    EXPECT_EQ(loadIcao_(0, "C:\\Sim").id, "N/A");
    EXPECT_EQ(loadIcaos_("KSEA", "C:\\Sim").id, "N/A");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(IcaruneTest, LoadIcaoUsesTheFs2000FolderWhenNoneIsGiven) {
    const std::string folder = WriteStations({{"KSEA", 47.4f, 237.7f, 130.0f}});
    ASSERT_TRUE(platform::WriteRegistryString(platform::Hive::LocalMachine, kFs2000Key, "path", folder));
    EXPECT_EQ(loadIcao_(0, "").id, "KSEA");
    EXPECT_EQ(loadIcaos_("KSEA", "").index, 0);
}

TEST_F(IcaruneTest, LoadIcaosFindsFirstExactIdent) {
    const std::string folder =
        WriteStations({{"KSEA", 47.4f, 237.7f, 130.0f}, {"EGLL", 51.5f, 359.5f, 25.0f}, {"EGLL", 1.0f, 2.0f, 3.0f}});
    const IcaoStationRecord found = loadIcaos_("EGLL", folder);
    EXPECT_EQ(found.index, 1);
    EXPECT_FLOAT_EQ(found.latitude, 51.5f);
    EXPECT_NEAR(found.longitude, -0.5f, 1e-4);

    const IcaoStationRecord lower = loadIcaos_("egll", folder);
    EXPECT_EQ(lower.index, -1);
    EXPECT_EQ(lower.id, "EGLL");  // the last record read

    for (const char* id : {"", "KSEAX", "N/A"}) {
        const IcaoStationRecord none = loadIcaos_(id, folder);
        EXPECT_EQ(none.index, -1) << id;
        EXPECT_EQ(none.id, "N/A") << id;
    }
    EXPECT_EQ(loadIcaos_("KSEA", "C:\\Nowhere").id, "N/A");
    EXPECT_TRUE(boxes_.texts().empty());
}

}  // namespace
