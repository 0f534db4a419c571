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
#include <thread>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
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
    EXPECT_EQ(DriveFile("Quillet/Navaids.nav"), scanned);
    EXPECT_EQ(DriveFile("Quillet/Country.nav"), countries);
    EXPECT_EQ(scanned.find("MRG"), std::string::npos);
    EXPECT_EQ(countries.find("Atlantis"), std::string::npos);
}

TEST_F(GathrelSheetTest, AMergeIsSavedWhenTheSheetCloses) {
    env_.writeFile("drive_c/Quillet/Navaids.txt", "Atlantis - Merged VOR\nVOR\tMRG\t113.40\tN1*0.0'\tE1*0.0'\t0\n");
    env_.writeFile("drive_c/Quillet/Airports.txt", "");
    CGathrelSheet sheet("C:\\Quillet\\");
    sheet.show();
    Control<QCheckBox>(sheet, Files::kLoadBgl)->click();
    Control<QPushButton>(sheet, Files::kCreateDb)->click();
    ASSERT_TRUE(WaitWhileBusy(sheet));
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Quillet" / "Navaids.nav"));
    Control<QPushButton>(sheet, qtplatform::kIdCancel)->click();
    trevalo::ResetLoadError();
    trevalo::NavDatabase database("C:\\Quillet\\");
    EXPECT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.navaidCount, 1);
    EXPECT_EQ(DriveFile("Quillet/Country.nav"), "1\r\nAtlantis\t1\r\n");
}

}  // namespace
}  // namespace gathrelapp
