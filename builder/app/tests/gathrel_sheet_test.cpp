// The builder's sheet driven through its real widgets, offscreen: the scan and the merge
// on the worker, OK and Cancel while it works, the close box, and what is left on disk.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "gathrel/line_sort.h"
#include "gathrelapp/gathrel_sheet.h"
#include "gathrelapp/loader_app.h"
#include "map/nav_database.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "testing/temp_environment.h"

namespace gathrelapp {
namespace {

using Files = CGathrelFiles;

class GathrelSheetTest : public ::testing::Test {
protected:
    void Install() {
        fsinstall::InstallationOptions options;
        options.folder = "C:\\FS2000";
        options.airportsPerFile = 1;
        options.navaidsPerFile = 2;
        ASSERT_TRUE(fsinstall::WriteInstallation(options, fsinstall::SampleWorld()));
    }

    template <class T = QWidget>
    T* Control(QWidget& parent, int id) {
        T* control = qtplatform::FindControl<T>(&parent, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    // Lets the page's timer take the worker's result.
    static bool WaitWhileBusy(CGathrelSheet& sheet) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (sheet.Job().Busy()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::string DriveFile(const char* relative) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / relative);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
};

TEST_F(GathrelSheetTest, OpensOnTheFilesPageWithTheSimulatorFound) {
    Install();
    CGathrelSheet sheet(CLoaderApp::BaseDirectory());
    sheet.show();
    EXPECT_EQ(sheet.windowTitle(), "Airport/Navaid Loader");
    ASSERT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetPage(0)->Caption(), "Airport");
    EXPECT_EQ(sheet.GetPage(1)->Caption(), "Navaids");
    EXPECT_EQ(sheet.GetActivePage(), &sheet.FilesPage());
    EXPECT_TRUE(Control<QRadioButton>(sheet, Files::kFs2000)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(sheet, Files::kFs2002)->isEnabled());
    EXPECT_EQ(sheet.FilesPage().SceneryFolder(), "C:\\FS2000\\");
    EXPECT_EQ(Control<QLineEdit>(sheet, Files::kCreateFilesIn)->text(), "C:\\Quillet\\");
    EXPECT_FALSE(Control<QProgressBar>(sheet, Files::kProgress)->isVisible());
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(GathrelSheetTest, AnFs2002AloneIsChosenAndTheButtonsShowTheirHelp) {
    fsinstall::InstallationOptions options;
    options.folder = "D:\\FS2002";
    options.version = fsinstall::SimulatorVersion::Fs2002;
    ASSERT_TRUE(fsinstall::WriteInstallation(options, fsinstall::SampleWorld()));
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    EXPECT_FALSE(Control<QRadioButton>(sheet, Files::kFs2000)->isEnabled());
    EXPECT_TRUE(Control<QRadioButton>(sheet, Files::kFs2002)->isChecked());
    EXPECT_EQ(sheet.FilesPage().SceneryFolder(), "D:\\FS2002\\");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Control<QPushButton>(sheet, Files::kCreateDb), &enter);
    EXPECT_TRUE(
        Control<QLabel>(sheet, Files::kHelp)->text().startsWith("Select to load data from all the '*.bgl' files"));
    QApplication::sendEvent(Control<QRadioButton>(sheet, Files::kFs2002), &enter);
    EXPECT_TRUE(Control<QLabel>(sheet, Files::kHelp)->text().endsWith("FS2002 directory:\nD:\\FS2002\\"));
}

TEST_F(GathrelSheetTest, CreateDbScansAndThePlannerLoadsTheResult) {
    Install();
    CGathrelSheet sheet(CLoaderApp::BaseDirectory());
    sheet.show();
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    EXPECT_TRUE(sheet.Job().Busy());
    ASSERT_TRUE(WaitWhileBusy(sheet));
    EXPECT_EQ(Control<QLabel>(sheet, Files::kAirportCount)->text().toStdString(),
              platform::Format("Airp:%06zu", sheet.Database().airportLines.size()));
    EXPECT_TRUE(boxes_.texts().empty()) << boxes_.texts().front();
    trevalo::ResetLoadError();
    trevalo::NavDatabase database("C:\\Quillet\\");
    EXPECT_EQ(database.LoadAirportFile(), 0);
    EXPECT_EQ(database.airportCount, static_cast<int>(sheet.Database().airportLines.size()));
    EXPECT_GT(database.airportCount, 0);
}

TEST_F(GathrelSheetTest, OkAndCancelAreRefusedWhileTheWorkerRuns) {
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    boxes_.clear();
    std::atomic<bool> release{false};
    sheet.Job().Start([&](gathrel::ScanProgress&) {
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    for (int id : {qtplatform::kIdOk, qtplatform::kIdCancel}) {
        Control<QPushButton>(sheet, id)->click();
        EXPECT_TRUE(sheet.isVisible());
    }
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    const auto shown = boxes_.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "The System is Sorting the Counties,\nPlease Wait");
    EXPECT_EQ(shown[0].caption, "Sorting data");
    release = true;
    sheet.Job().Finish();
    Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(GathrelSheetTest, TheCloseBoxStopsTheWorkerAndWaitsForIt) {
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    std::atomic<bool> stopped{false};
    sheet.Job().Start([&](gathrel::ScanProgress& progress) {
        while (!progress.StopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stopped = true;
    });
    sheet.close();
    EXPECT_TRUE(stopped);
    EXPECT_FALSE(sheet.Job().Busy());
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(GathrelSheetTest, AScanThatFindsNothingKeepsTheDatabasesAndSaysSo) {
    env_.writeFile("drive_c/Quillet/Airport.nav", "old airports");
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    ASSERT_FALSE(boxes_.texts().empty());
    EXPECT_EQ(boxes_.shown().back().caption, "Cannot locate FS");
    boxes_.clear();
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    ASSERT_TRUE(WaitWhileBusy(sheet));
    ASSERT_EQ(boxes_.texts().size(), 1u);
    EXPECT_NE(boxes_.texts()[0].find("left as they were"), std::string::npos);
    Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
    EXPECT_EQ(DriveFile("Quillet/Airport.nav"), "old airports");
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Quillet" / "Country.nav"));
}

TEST_F(GathrelSheetTest, AScanAfterAMergeReplacesItsLinesAndClosingKeepsTheScan) {
    Install();
    env_.writeFile("drive_c/Quillet/Navaids.txt", "Atlantis - Merged VOR\nVOR\tMRG\t113.40\tN1*0.0'\tE1*0.0'\t0\n");
    env_.writeFile("drive_c/Quillet/Airports.txt", "");
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    Control<QCheckBox>(sheet, Files::kLoadBgl)->click();
    EXPECT_FALSE(Control<QCheckBox>(sheet, Files::kAddToCurrent)->isEnabled());
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    ASSERT_TRUE(WaitWhileBusy(sheet));
    ASSERT_EQ(sheet.Database().navaidLines.size(), 1u);
    Control<QCheckBox>(sheet, Files::kLoadBgl)->click();
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    ASSERT_TRUE(WaitWhileBusy(sheet));
    const std::string scanned = DriveFile("Quillet/Navaids.nav");
    const std::string countries = DriveFile("Quillet/Country.nav");
    Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
    // The scan's records again, below a bare count line.
    const std::string saved = DriveFile("Quillet/Navaids.nav");
    EXPECT_EQ(saved.substr(0, saved.find('\r')), std::to_string(sheet.Database().navaidLines.size()));
    EXPECT_EQ(saved.substr(saved.find('\r')), scanned.substr(scanned.find('\r')));
    EXPECT_EQ(DriveFile("Quillet/Country.nav"), countries);
    EXPECT_EQ(scanned.find("MRG"), std::string::npos);
    EXPECT_EQ(countries.find("Atlantis"), std::string::npos);
}

// The sorts show their last swap on the status line.
TEST_F(GathrelSheetTest, AMergeIsSortedAndSavedWhenTheSheetCloses) {
    env_.writeFile("drive_c/Quillet/Navaids.txt",
                   "Sylvania - Other VOR\nVOR\tOTH\t113.40\tN1*0.0'\tE1*0.0'\t0\n"
                   "Atlantis - Merged VOR\nVOR\tMRG\t113.40\tN1*0.0'\tE1*0.0'\t0\n");
    env_.writeFile("drive_c/Quillet/Airports.txt", "");
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    Control<QCheckBox>(sheet, Files::kLoadBgl)->click();
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    ASSERT_TRUE(WaitWhileBusy(sheet));
    EXPECT_EQ(Control<QLabel>(sheet, Files::kStatus)->text(), "Swap Atlantis - Sylvania");
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Quillet" / "Navaids.nav"));
    Control<QPushButton>(sheet, qtplatform::kIdCancel)->click();
    trevalo::ResetLoadError();
    trevalo::NavDatabase database("C:\\Quillet\\");
    EXPECT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.navaidCount, 2);
    EXPECT_EQ(DriveFile("Quillet/Country.nav"), "2\r\nAtlantis\t1\r\nSylvania\t1\r\n");
}

// Old databases that hold records: two airports (the first with two runways), two
// navaids, two countries, no ILS.
void WriteOldDatabases(platform::testing::TempEnvironment& env) {
    std::string airports = "3\r\n";
    for (const char* ident : {"AAAA", "AAAA", "BBBB"}) {
        const std::string line = std::string(40, ' ') + "Atlantis" + std::string(72, ' ') + ident;
        airports += line + std::string(335 - line.size(), ' ') + "\r\n";
    }
    env.writeFile("drive_c/Quillet/Airport.nav", airports);
    env.writeFile("drive_c/Quillet/Navaids.nav",
                  "2\r\n" + std::string(170, 'n') + "\r\n" + std::string(170, 'v') + "\r\n");
    env.writeFile("drive_c/Quillet/Country.nav", "2\r\nAtlantis\t1\r\nSylvania\t0\r\n");
}

// Before a scan replaces databases that hold records the user is asked, with both counts
// of each: No keeps every file as it was, also when the sheet closes; Yes replaces them.
TEST_F(GathrelSheetTest, CreateDbAsksBeforeReplacingDatabasesThatHoldRecords) {
    Install();
    const fsinstall::SceneryContent world = fsinstall::SampleWorld();
    std::set<std::string> countries;
    for (const auto& airport : world.airports) countries.insert(airport.country);
    const std::string question = platform::Format(
        "Airport.nav holds 2 airports; the scan found %zu.\nNavaids.nav holds 2 navaids; the scan found %zu.\n"
        "Country.nav holds 2 countries; the scan found %zu.\nReplace them?",
        world.airports.size(), world.ndbs.size() + world.vors.size(), countries.size());
    const char* const files[] = {"Quillet/Airport.nav", "Quillet/Navaids.nav", "Quillet/Ils.nav",
                                 "Quillet/Country.nav"};
    for (const platform::MbResult answer : {platform::MbResult::No, platform::MbResult::Yes}) {
        SCOPED_TRACE(answer == platform::MbResult::Yes ? "Yes" : "No");
        std::filesystem::remove_all(env_.driveC() / "Quillet");
        WriteOldDatabases(env_);
        std::map<std::string, std::string> before;
        for (const char* file : files) before[file] = DriveFile(file);
        platform::MessageBoxRecorder boxes({answer});
        CGathrelSheet sheet("C:\\Quillet\\");
        sheet.show();
        Control<QPushButton>(sheet, Files::kCreateDb)->click();
        ASSERT_TRUE(WaitWhileBusy(sheet));
        const auto shown = boxes.shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, question);
        EXPECT_EQ(shown[0].icon, platform::MbIcon::Question);
        EXPECT_EQ(shown[0].buttons, platform::MbButtons::YesNo);
        EXPECT_EQ(shown[0].defaultButton, 1);  // No
        Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
        ASSERT_FALSE(sheet.isVisible());
        if (answer == platform::MbResult::No) {
            for (const char* file : files) EXPECT_EQ(DriveFile(file), before[file]) << file;
            EXPECT_EQ(sheet.Database().airportLines.size(), 3u);
        } else {
            EXPECT_EQ(gathrel::CountDatabaseRecords(sheet.Paths()),
                      (gathrel::DatabaseCounts{world.airports.size(), world.ndbs.size() + world.vors.size(), 1,
                                               countries.size()}));
        }
    }
}

// OK after a scan writes its lines with bare count lines and makes the two listings, so a
// later session's Create Db without Load BGL merges them (empty) and sorts the records.
TEST_F(GathrelSheetTest, AfterAScanAndOkANewSessionMergesTheEmptyListings) {
    Install();
    std::vector<std::string> airports, navaids;
    std::string ils, countries;
    {
        CGathrelSheet sheet("C:\\Quillet\\");
        sheet.show();
        Control<QPushButton>(sheet, Files::kCreateDb)->click();
        ASSERT_TRUE(WaitWhileBusy(sheet));
        airports = sheet.Database().airportLines;
        navaids = sheet.Database().navaidLines;
        ils = DriveFile("Quillet/Ils.nav");
        countries = DriveFile("Quillet/Country.nav");
        Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
    }
    EXPECT_EQ(DriveFile("Quillet/Airport.nav"), gathrel::DatabaseFileBytes(airports, 0));
    for (const char* listing : {"Navaids.txt", "Airports.txt"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(env_.driveC() / "Quillet" / listing)) << listing;
        EXPECT_EQ(DriveFile((std::string("Quillet/") + listing).c_str()), "");
    }
    boxes_.clear();
    {
        CGathrelSheet sheet("C:\\Quillet\\");
        sheet.show();
        Control<QCheckBox>(sheet, Files::kLoadBgl)->click();
        Control<QPushButton>(sheet, Files::kCreateDb)->click();
        ASSERT_TRUE(WaitWhileBusy(sheet));
        EXPECT_TRUE(boxes_.texts().empty()) << boxes_.texts().front();
        Control<QPushButton>(sheet, qtplatform::kIdOk)->click();
    }
    gathrel::SortLinesByKey(airports);
    gathrel::SortLinesByKey(navaids);
    EXPECT_EQ(DriveFile("Quillet/Airport.nav"), gathrel::DatabaseFileBytes(airports, 0));
    EXPECT_EQ(DriveFile("Quillet/Navaids.nav"), gathrel::DatabaseFileBytes(navaids, 0));
    EXPECT_EQ(DriveFile("Quillet/Ils.nav"), ils);
    EXPECT_EQ(DriveFile("Quillet/Country.nav"), countries);
}

}  // namespace
}  // namespace gathrelapp
