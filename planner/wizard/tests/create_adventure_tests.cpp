// Create adventure on a route of the test world, through the wizard sheet in its bar:
// Textorin and Icarune loaded by name, the stand-in compiler, and stand-in FS2000 and
// FS2002 installations on the temporary drive.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "adf/adventure_definition.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "generation/adventure_folder.h"
#include "generation/adventure_title.h"
#include "generation/generation_driver.h"
#include "generation/result_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "route_fixture.h"
#include "shell/compile_adventure.h"
#include "shell/settings.h"
#include "wizard/wizard_bar.h"
#include "wizard/wizard_page1.h"

namespace trevalo {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using platform::MbResult;

constexpr int kBarId = 32800;
constexpr const char* kCreateSourceQuestion = "The file does not exist would you like to create it";

fs::path DataFile(const char* name) { return fs::path(QUILLET_DATA_DIR) / name; }

class CreateAdventureTest : public testing::RouteWorldTest {
protected:
    void SetUp() override {
        RouteWorldTest::SetUp();
        for (const char* name : {"QuilletDefault.flt", "QuilletDefault.bmp", "QuilletDefault.brf"})
            fs::copy_file(DataFile(name), env_.driveC() / "Quillet" / name);
        env_.writeFile("drive_c/Quillet/Wav/Adv0001.wav", "RIFF");
        if (withFs2000_) Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
        Install(fsinstall::SimulatorVersion::Fs2002, "C:\\FS2002");
        settings_.WriteString(SettingId::MoveToDir, "2");
        settings_.WriteString(SettingId::Fs2k2MoveTo, "Adventures");

        frame_ = std::make_unique<QMainWindow>();
        frame_->statusBar()->showMessage(QStringLiteral("Ready"));
        bar_ = new CWizardBar(*frame_, kBarId);
        frame_->show();
        bar_->CreateSheets(*database_, *route_, [](const std::string& source) { return CompileAdventure(source); });

        // Springfield runway 28 to Otherton runway 18.
        PickAirport(spf_, "[L28]");
        PickAirport(otr_, "[R18]");
        route_->ValidateTrip();
        adf::WizardValues& values = Sheet().Values();
        values.general.title = "Trip";
        values.plane.performance = {.planeName = "C182", .vr = 60, .v1 = 55, .v2 = 65, .cruiseAltitude = 5000};
        Sheet().ShowValues();
    }
    void Install(fsinstall::SimulatorVersion version, const char* folder) const {
        fsinstall::InstallationOptions options;
        options.folder = folder;
        options.version = version;
        ASSERT_TRUE(fsinstall::WriteInstallation(options, fsinstall::SampleWorld()));
    }
    CWizardSheet& Sheet() const { return *bar_->WizardSheet(); }

    // F7: the map view writes the route file, then hands over to the sheet.
    void PressF7() {
        route_->OnCreateAdventure();
        Sheet().CreateAdventure();
    }
    // The files in a folder of drive C, names lowered.
    Names Files(const std::string& relative) const {
        Names names;
        const fs::path folder = env_.driveC() / relative;
        if (!fs::is_directory(folder)) return names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) names.insert(platform::LowerCased(entry.path().filename().string()));
        return names;
    }
    std::string Read(const std::string& relative) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / relative);
    }

    // Every file of the folders the road writes (the adventure's, the simulators'), with
    // its bytes.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const char* folder : {"Quillet/Trip", "FS2000/Adv", "FS2002/flights"}) {
            if (!fs::is_directory(env_.driveC() / folder)) continue;
            for (const auto& entry : fs::recursive_directory_iterator(env_.driveC() / folder))
                files[fs::relative(entry.path(), env_.driveC()).string()] =
                    entry.is_regular_file() ? platform::testing::TempEnvironment::readFile(entry.path()) : "(folder)";
        }
        return files;
    }

    bool withFs2000_ = true;
    platform::MessageBoxRecorder boxes_{{MbResult::Yes}};
    Settings settings_;
    std::unique_ptr<QMainWindow> frame_;
    CWizardBar* bar_ = nullptr;
};

const Names kAdventureFiles = {"trip.adf", "trip.adv", "trip.bmp", "trip.brf",
                               "trip.flt", "trip.pln", "trip.txt", "trip.wx"};

TEST_F(CreateAdventureTest, F7MakesTheAdventureAndInstallsItForBothSimulators) {
    PressF7();
    ASSERT_FALSE(boxes_.shown().empty());
    EXPECT_EQ(boxes_.shown().front().text.rfind(kCreateSourceQuestion, 0), 0u) << boxes_.shown().front().text;
    EXPECT_EQ(boxes_.shown().back().text, kAllCreatedText);
    EXPECT_EQ(boxes_.shown().back().caption, kResultCaption);
    EXPECT_EQ(boxes_.shown().size(), 2u);

    EXPECT_EQ(Files("Quillet/Trip"), kAdventureFiles);
    EXPECT_EQ(Files("FS2000/Adv/Expert"),
              (Names{"trip.adv", "trip.bmp", "trip.brf", "trip.flt", "trip.pln", "trip.wx"}));
    EXPECT_EQ(Files("FS2000/Adv/Wav"), Names{"adv0001.wav"});
    EXPECT_EQ(Files("FS2002/flights/Adventures"), (Names{"trip.adv", "trip.brf", "trip.flt", "trip.pln", "trip.wx"}));
    EXPECT_EQ(settings_.ReadString(SettingId::LastBuild), "C:\\Quillet\\Trip\\Trip.adf");

    const std::string definition = Read("Quillet/Trip/Trip.adf");
    EXPECT_NE(definition.find("\tTITLE_000:\r\nTrip\r\n"), std::string::npos);
    EXPECT_NE(definition.find("NAVAIDINFO_300:"), std::string::npos);
    EXPECT_NE(Read("Quillet/Trip/Trip.txt").find("LOAD_SITUATION \"Trip\""), std::string::npos);
    EXPECT_NE(Read("Quillet/Trip/Trip.pln").find("title=KSPF to KOTR"), std::string::npos);
    EXPECT_NE(Read("Quillet/Trip/Trip.flt").find("[GPS_Engine]"), std::string::npos);
    // No cruise speed entered: the estimate counts the minutes on the ground alone.
    EXPECT_NE(Read("Quillet/Trip/Trip.brf").find("Approximately 40 mins"), std::string::npos)
        << Read("Quillet/Trip/Trip.brf");

    // A second build asks before the folder is emptied; its source is kept.
    boxes_.clear();
    PressF7();
    ASSERT_FALSE(boxes_.shown().empty());
    EXPECT_EQ(boxes_.shown().front().text, kReplaceFolderQuestion);
    EXPECT_EQ(boxes_.shown().back().text, kAllCreatedText);
    EXPECT_EQ(Files("Quillet/Trip"), kAdventureFiles);
}

TEST_F(CreateAdventureTest, RefusalsStopBeforeAnyFileIsMade) {
    const struct {
        const char* name;
        std::function<void(adf::WizardValues&)> change;
        std::string message;
        int activePage;  // from 0
    } cases[] = {
        {"no title", [](adf::WizardValues& v) { v.general.title.clear(); }, kTitleMissingMessage, 0},
        {"the base directory itself", [](adf::WizardValues& v) { v.general.title = "."; }, "end with a blank or a dot",
         0},
        {"a suite folder", [](adf::WizardValues& v) { v.general.title = "Wav"; }, "folders of the suite's own files",
         0},
        {"a separator", [](adf::WizardValues& v) { v.general.title = "..\\Trip"; },
         "may not hold any of the characters", 0},
        {"no cruise altitude", [](adf::WizardValues& v) { v.plane.performance.cruiseAltitude = adf::kNotSet; },
         adf::kPlaneDetailsMissingMessage, 7},
        {"V1 unset with the call-outs", [](adf::WizardValues& v) { v.plane.performance.v1 = adf::kNotSet; },
         adf::kPlaneDetailsMissingMessage, 7},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const adf::WizardValues kept = Sheet().Values();
        test.change(Sheet().Values());
        Sheet().ShowValues();
        Sheet().SetActivePage(2);
        boxes_.clear();
        PressF7();
        ASSERT_EQ(boxes_.shown().size(), 1u);
        EXPECT_NE(boxes_.shown().front().text.find(test.message), std::string::npos) << boxes_.shown().front().text;
        EXPECT_EQ(Sheet().GetActiveIndex(), test.activePage);
        EXPECT_EQ(Files("Quillet"), (Names{"airport.nav", "ils.nav", "map_internal.adf", "navaids.nav",
                                           "quilletdefault.bmp", "quilletdefault.brf", "quilletdefault.flt"}));
        EXPECT_FALSE(fs::exists(env_.driveC() / "Quillet" / "Trip"));
        Sheet().Values() = kept;
        Sheet().ShowValues();
    }
    // Unset V-speeds are no fault while the co-pilot does not call them.
    Sheet().Values().plane.performance.v2 = adf::kNotSet;
    Sheet().Values().keys.coPilotVSpeeds = 0;
    Sheet().ShowValues();
    boxes_.clear();
    PressF7();
    EXPECT_EQ(boxes_.shown().back().text, kAllCreatedText);
}

// A file that the road would replace or delete and cannot stops it before anything is
// touched, in the adventure's folder or in the simulators': the message names the file
// and why, and every file stays as it was.
TEST_F(CreateAdventureTest, AFileThatCannotBeReplacedStopsTheRoadBeforeAnyChange) {
    PressF7();
    ASSERT_EQ(boxes_.shown().back().text, kAllCreatedText);
    env_.writeFile("drive_c/Quillet/Trip/Notes.doc", "the author's notes");
    const struct {
        const char* name;
        const char* file;  // below drive C
        bool folder;       // made a folder, else read-only
        const char* reason;
    } cases[] = {
        {"read-only source", "Quillet/Trip/Trip.txt", false, "it is read-only"},
        {"read-only flight file", "Quillet/Trip/Trip.flt", false, "it is read-only"},
        {"a file the rebuild deletes", "Quillet/Trip/Notes.doc", false, "it is read-only"},
        {"a folder for the flight plan", "Quillet/Trip/Trip.pln", true, "it is a folder, not a file"},
        {"FS2000's copy", "FS2000/Adv/Expert/Trip.bmp", false, "it is read-only"},
        {"FS2000's sound", "FS2000/Adv/Wav/Adv0001.wav", false, "it is read-only"},
        {"FS2002's copy", "FS2002/flights/Adventures/Trip.adv", false, "it is read-only"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const fs::path path = env_.driveC() / test.file;
        ASSERT_TRUE(fs::is_regular_file(path));
        const std::string kept = Read(test.file);
        if (test.folder) {
            fs::remove(path);
            fs::create_directory(path);
        } else {
            fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
        }
        const std::map<std::string, std::string> before = Snapshot();
        boxes_.clear();
        PressF7();
        std::string windowsPath = std::string("C:\\") + test.file;
        std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
        EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kReplaceFolderQuestion,
                                                            FileNotReplaceableMessage(windowsPath, test.reason)}));
        EXPECT_EQ(boxes_.shown().back().icon, platform::MbIcon::Stop);
        EXPECT_EQ(Snapshot(), before);
        if (test.folder) {
            fs::remove(path);
            env_.writeFile(fs::path("drive_c") / test.file, kept);
        } else {
            fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
        }
    }
    boxes_.clear();
    PressF7();
    EXPECT_EQ(boxes_.shown().back().text, kAllCreatedText);
    EXPECT_FALSE(fs::exists(env_.driveC() / "Quillet/Trip/Notes.doc"));
}

// A title the folder cannot be named after: a letter beyond the single-byte code page is
// named as typed; a file of the title's name is said to be in the way.
TEST_F(CreateAdventureTest, ATitleThatCannotNameTheFolderSaysWhy) {
    auto* title = qtplatform::FindControl<QLineEdit>(Sheet().GetPage(0), CWizardPage1::kTitle);
    ASSERT_NE(title, nullptr);
    const QString typed = QString::fromUtf8("\u0141\u00f3d\u017a");
    title->setText(typed);
    PressF7();
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].text,
              "The character \"\u0141\" cannot be used here.\nThe suite's files hold only the characters of the "
              "Western European (Latin-1) code page.");
    EXPECT_EQ(boxes_.shown()[0].encoding, platform::MbTextEncoding::Utf8);
    EXPECT_EQ(Sheet().GetActiveIndex(), 0);
    // What was typed stays to be mended; the title taken is the one before.
    EXPECT_EQ(title->text(), typed);
    EXPECT_EQ(Sheet().Values().general.title, "Trip");
    EXPECT_FALSE(fs::exists(env_.driveC() / "Quillet/Trip"));

    title->setText(QStringLiteral("Trip"));
    env_.writeFile("drive_c/Quillet/Trip", "a file, not a folder");
    boxes_.clear();
    PressF7();
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{FileInTheWayMessage("C:\\Quillet\\Trip")}));
    EXPECT_EQ(Read("Quillet/Trip"), "a file, not a folder");
}

// The definition built is read back into the values and the route; File > New sets the
// values back to their defaults, the flight plan's with them.
TEST_F(CreateAdventureTest, OpeningTheDefinitionBringsItBackAndNewForgetsIt) {
    adf::WizardValues& values = Sheet().Values();
    values.general.description = "Over the hills";
    values.keys.quit = 0;
    values.emergency.engine1 = 1;
    Sheet().ShowValues();
    PressF7();
    const adf::WizardValues built = values;

    values = adf::WizardValues();
    route_->RemoveAllRoutePoints();
    ASSERT_TRUE(Sheet().LoadAdventure("C:\\Quillet\\Trip\\Trip.adf"));
    EXPECT_EQ(values.general.title, "Trip");
    EXPECT_EQ(values.general.description, built.general.description);
    EXPECT_EQ(values.general.plane, "Cessna Skyhawk 172SP");  // the installation's first
    EXPECT_EQ(values.keys.quit, 0);
    // Only the keys of options that are on are kept.
    std::vector<std::string> keys = built.keys.keyList;
    keys.pop_back();
    EXPECT_EQ(values.keys.keyList, keys);
    EXPECT_EQ(values.emergency, built.emergency);
    EXPECT_EQ(values.plane.performance.cruiseAltitude, 5000);
    ASSERT_EQ(route_->Count(), 2);
    EXPECT_EQ(route_->Points()[1].ident, "KOTR");
    EXPECT_FALSE(Sheet().LoadAdventure("C:\\Quillet\\Gone\\Gone.adf"));
    EXPECT_EQ(values.general.title, "Trip");

    Sheet().FlightPlanPage().Model().Values().altitude = "3500";
    Sheet().ResetPages();
    EXPECT_EQ(values.general.title, "");
    EXPECT_EQ(values.keys.keyList, adf::KeyCommandValues::DefaultKeyList());
    EXPECT_EQ(values.general.performanceNumber, "5");
    EXPECT_EQ(Sheet().FlightPlanPage().Model().Values().altitude, "10000");
}

// With FS2002 alone (the demo's installation) the adventure is not moved: its category
// and sound folders are made beside it, and FS2002's flights folder gets the copies.
// A library missing stops the road at its step with its one message: no result, no last
// build; what was made before stays. Icarune tells where the install step copies to, so
// without it nothing is made.
TEST_F(CreateAdventureTest, AMissingLibraryStopsTheRoadWithItsMessage) {
    const struct {
        const char* textorin;
        const char* icarune;
        const char* missing;
        bool definitionMade;
    } cases[] = {
        {"Textorin2.dll", "Icarune.dll", "A Dll, 'Textorin2.dll', is missing", true},
        {"Textorin.dll", "Icarune2.dll", "A Dll, 'Icarune2.dll', is missing", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.missing);
        fs::remove_all(env_.driveC() / "Quillet" / "Trip");
        route_->OnCreateAdventure();
        AdventureGenerator generator(test.textorin, test.icarune);
        platform::MessageBoxRecorder boxes({MbResult::Yes});
        const GenerationRequest request{Sheet().Values(),
                                        Sheet().FlightPlanPage().Model(),
                                        "C:\\Quillet\\",
                                        route_->RouteFilePath(),
                                        [](const std::string& source) { return CompileAdventure(source); },
                                        nullptr,
                                        nullptr};
        EXPECT_FALSE(generator.CreateAdventure(request));
        ASSERT_FALSE(boxes.shown().empty());
        EXPECT_EQ(boxes.shown().back().text.rfind(test.missing, 0), 0u) << boxes.shown().back().text;
        EXPECT_EQ(boxes.shown().back().caption, kMissingDllCaption);
        EXPECT_EQ(fs::exists(env_.driveC() / "Quillet/Trip/Trip.adf"), test.definitionMade);
        EXPECT_FALSE(fs::exists(env_.driveC() / "Quillet/Trip/Trip.txt"));
        EXPECT_EQ(settings_.ReadString(SettingId::LastBuild), "");
    }
}

class Fs2002AloneTest : public CreateAdventureTest {
protected:
    Fs2002AloneTest() { withFs2000_ = false; }
};

TEST_F(Fs2002AloneTest, TheAdventureStaysBesideItsSourceAndItsFlightsAreCopied) {
    PressF7();
    EXPECT_EQ(boxes_.shown().back().text, kAllCreatedText);
    EXPECT_EQ(Files("Quillet/Trip/Wav"), Names{"adv0001.wav"});
    EXPECT_TRUE(fs::is_directory(env_.driveC() / "Quillet/Trip/Expert"));
    EXPECT_EQ(Files("FS2002/flights/Adventures"), (Names{"trip.adv", "trip.brf", "trip.flt", "trip.pln", "trip.wx"}));
    EXPECT_FALSE(fs::exists(env_.driveC() / "FS2000"));
}

}  // namespace
}  // namespace trevalo
