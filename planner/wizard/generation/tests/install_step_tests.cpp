// The install step against stand-in FS2000 and FS2002 installations on a temporary drive.
#include "generation/install_step.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "shell/settings.h"
#include "sound_file.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

constexpr const char* kAdf = "C:\\Quillet\\Trip\\Trip.adf";

class InstallStepTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Trip.adf", "Trip.txt", "Trip.bmp", "Trip.flt", "Trip.pln", "Trip.wx", "Trip.brf"})
            env_.writeFile(std::string("drive_c/Quillet/Trip/") + name, name);
        for (const char* name : {"ADVS001.wav", "Adv0001.wav"})
            env_.writeFile(std::string("drive_c/Quillet/Wav/") + name, testing::ShortWav());
        env_.writeFile("drive_c/Quillet/Wav/Other.wav", testing::ShortWav());
    }
    void Install(fsinstall::SimulatorVersion version, const char* folder) const {
        fsinstall::InstallationOptions options;
        options.folder = folder;
        options.version = version;
        ASSERT_TRUE(fsinstall::WriteInstallation(options, fsinstall::SampleWorld()));
    }
    // The files in a folder of drive C.
    Names Files(const std::string& relative) const {
        Names names;
        const fs::path folder = env_.driveC() / relative;
        if (!fs::is_directory(folder)) return names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) names.insert(entry.path().filename().string());
        return names;
    }
    std::optional<std::vector<std::string>> Run() {
        InstallRequest request{kAdf, "C:\\Quillet\\", [this](const std::string& source) {
                                   compiled_.push_back(source);
                                   if (!compiles_) return false;
                                   env_.writeFile("drive_c/Quillet/Trip/Trip.adv", "ADVENTURE");
                                   return true;
                               }};
        const std::optional<InstallPlaces> places = FindInstallPlaces(kAdf, loadReg_);
        if (!places) return std::nullopt;
        return InstallAdventure(request, *places);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
    BoundFunction<LoadRegFunction> loadReg_{"Icarune.dll", "LoadReg"};
    std::vector<std::string> compiled_;
    bool compiles_ = true;
};

const Names kSounds = {"ADVS001.wav", "Adv0001.wav"};
const Names kMoved = {"Trip.adv", "Trip.bmp", "Trip.brf", "Trip.flt", "Trip.pln", "Trip.wx"};
const Names kFlights = {"Trip.adv", "Trip.brf", "Trip.flt", "Trip.pln", "Trip.wx"};

TEST_F(InstallStepTest, CopiesGoWhereTheSwitchesSay) {
    struct Case {
        const char* name;
        bool fs2000, fs2002;
        const char* autoMove;
        const char* autoMoveSound;
        const char* autoCreateAdv;
        const char* autoMoveFs2k2;
        const char* moveTo;  // FS2K2MoveTo
        Names fs2000Category, fs2000Sounds;
        bool foldersBeside;  // the category and Wav folders beside the definition
        Names besideSounds, flights;
    };
    const Case cases[] = {
        {"everything on", true, true, "1", "1", "1", "1", "Adventures", kMoved, kSounds, false, {}, kFlights},
        {"no FS2000: as if not moved", false, true, "1", "1", "1", "1", "Adventures", {}, {}, true, kSounds, kFlights},
        {"move off", true, true, "0", "1", "1", "1", "Adventures", {}, {}, true, kSounds, kFlights},
        {"sounds off", true, true, "1", "0", "1", "1", "Adventures", kMoved, {}, false, {}, kFlights},
        {"FS2002 off", true, true, "1", "1", "1", "0", "Adventures", kMoved, kSounds, false, {}, {}},
        {"no FS2002 folder named", true, true, "1", "1", "1", "1", "", kMoved, kSounds, false, {}, {}},
        {"no FS2002", true, false, "1", "1", "1", "1", "Adventures", kMoved, kSounds, false, {}, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        fs::remove_all(env_.driveC() / "FS2000");
        fs::remove_all(env_.driveC() / "FS2002");
        fs::remove_all(env_.driveC() / "Quillet/Trip/Wav");
        fs::remove_all(env_.driveC() / "Quillet/Trip/Expert");
        fs::remove_all(env_.settingsDir());
        if (test.fs2000) Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
        if (test.fs2002) Install(fsinstall::SimulatorVersion::Fs2002, "C:\\FS2002");
        settings_.WriteString(SettingId::MoveToDir, "2");
        settings_.WriteString(SettingId::AutoMove, test.autoMove);
        settings_.WriteString(SettingId::AutoMoveSound, test.autoMoveSound);
        settings_.WriteString(SettingId::AutoCreateAdv, test.autoCreateAdv);
        settings_.WriteString(SettingId::AutoMoveFs2k2, test.autoMoveFs2k2);
        settings_.WriteString(SettingId::Fs2k2MoveTo, test.moveTo);

        const auto failed = Run();
        ASSERT_TRUE(failed.has_value());
        EXPECT_TRUE(failed->empty());
        EXPECT_EQ(Files("FS2000/Adv/Expert"), test.fs2000Category);
        EXPECT_EQ(Files("FS2000/Adv/Wav"), test.fs2000Sounds);
        EXPECT_EQ(Files("Quillet/Trip/Wav"), test.besideSounds);
        EXPECT_EQ(fs::is_directory(env_.driveC() / "Quillet/Trip/Expert"), test.foldersBeside);
        EXPECT_EQ(fs::is_directory(env_.driveC() / "Quillet/Trip/Wav"), test.foldersBeside);
        EXPECT_EQ(Files("FS2002/flights/Adventures"), test.flights);
        EXPECT_EQ(Files("Quillet/Trip").count("Trip.adv"), 1u);
        EXPECT_TRUE(boxes_.texts().empty());
    }
}

TEST_F(InstallStepTest, CategoryFromMoveToDir) {
    const std::pair<const char*, const char*> cases[] = {{"0", "Advanced"}, {"1", "Beg"},      {"2", "Expert"},
                                                         {"3", "Int"},      {"4", "Other"},    {"7", "Other"},
                                                         {"-1", "Other"},   {"x", "Advanced"}, {"", "Advanced"}};
    for (const auto& [stored, category] : cases) EXPECT_EQ(InstallCategory(stored), category) << stored;
}

TEST_F(InstallStepTest, FailedCopiesAndFoldersAreNamed) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    Install(fsinstall::SimulatorVersion::Fs2002, "C:\\FS2002");
    settings_.WriteString(SettingId::Fs2k2MoveTo, "New Flights");  // not there yet: made
    // A folder where the flight file's copy would go.
    fs::create_directories(env_.driveC() / "FS2000/Adv/Other/Trip.flt");
    auto failed = Run();
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(*failed, (std::vector<std::string>{"Trip.flt to C:\\FS2000\\Adv\\Other (a folder has its name)"}));
    EXPECT_EQ(Files("FS2002/flights/New Flights"), kFlights);

    settings_.WriteString(SettingId::Fs2k2MoveTo, "..\\Elsewhere");
    failed = Run();
    ASSERT_TRUE(failed.has_value());
    ASSERT_EQ(failed->size(), 2u);
    EXPECT_EQ(failed->back(),
              "the adventure's files to C:\\FS2002\\flights\\..\\Elsewhere (no folder of FS2002's flights)");
    EXPECT_FALSE(fs::exists(env_.driveC() / "FS2002/Elsewhere"));
}

TEST_F(InstallStepTest, FailedCompileStopsBeforeTheCopies) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    compiles_ = false;
    EXPECT_FALSE(Run().has_value());
    EXPECT_EQ(compiled_, (std::vector<std::string>{"C:\\Quillet\\Trip\\Trip.txt"}));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kCompileFailedMessage}));
    EXPECT_TRUE(Files("FS2000/Adv/Other").empty());
}

TEST_F(InstallStepTest, MissingDefinitionStops) {
    fs::remove(env_.driveC() / "Quillet/Trip/Trip.adf");
    EXPECT_FALSE(Run().has_value());
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kInstallInternalErrorMessage}));
    EXPECT_TRUE(compiled_.empty());
}

TEST(LibraryBinding, MissingLibraryOrFunctionIsReportedEachTime) {
    platform::MessageBoxRecorder boxes;
    BoundFunction<LoadRegFunction> noLibrary("NoSuchLibrary.dll", "LoadReg");
    BoundFunction<LoadRegFunction> noFunction("Icarune.dll", "NoSuchFunction");
    BoundFunction<LoadRegFunction> found("Icarune.dll", "LoadReg");
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(noLibrary.Get(), nullptr);
        EXPECT_EQ(noFunction.Get(), nullptr);
        EXPECT_NE(found.Get(), nullptr);
    }
    EXPECT_TRUE(noFunction.IsLoaded());  // kept, so its message comes again
    const std::string missingLibrary = "A Dll, 'NoSuchLibrary.dll', is missing \nThe system cannot continue without it";
    const std::string missingFunction =
        "A function in Icarune.dll, is missing \nMake sure you ahve the lattest files available\n"
        "The system cannot continue without it";
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{missingLibrary, missingFunction, missingLibrary, missingFunction}));
    for (const auto& box : boxes.shown()) EXPECT_EQ(box.caption, "Missing DLL");
}

}  // namespace
}  // namespace trevalo
