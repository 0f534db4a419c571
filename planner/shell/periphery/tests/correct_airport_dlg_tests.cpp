#include "periphery/correct_airport_dlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "map/corrected_airport.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using qtplatform::FindControl;

constexpr const char* kBase = "C:\\Quillet\\";
constexpr const char* kHostFile = "drive_c/Quillet/QuilletCorrect.nav";

class CorrectAirportDlgTest : public ::testing::Test {
protected:
    CorrectAirportDlgTest() {
        env_.writeFile("drive_c/Quillet/.keep", "");
        dialog_.show();
    }
    QLineEdit* Edit(int id) { return FindControl<QLineEdit>(&dialog_, id); }
    void Type(int id, const char* text) {
        Edit(id)->setText(QString::fromLatin1(text));
        emit Edit(id)->editingFinished();
    }
    void Click(int id) { FindControl<QPushButton>(&dialog_, id)->click(); }
    std::string Bytes() { return env_.readFile(env_.root() / kHostFile); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    CCorrectAirportDlg dialog_{kBase};
};

TEST_F(CorrectAirportDlgTest, ACorrectionTypedIsSavedShownAgainAndFoundByTheRouteWriter) {
    EXPECT_EQ(dialog_.windowTitle(), "Correct Airport");
    EXPECT_EQ(Bytes(), "");  // made on opening
    EXPECT_FALSE(Edit(CCorrectAirportDlg::kLatitude)->isEnabled());
    Type(CCorrectAirportDlg::kIdent, " LSZH ");
    Type(CCorrectAirportDlg::kRunway, "16");
    ASSERT_TRUE(Edit(CCorrectAirportDlg::kLatitude)->isEnabled());
    Type(CCorrectAirportDlg::kLatitude, "47:27:50");
    EXPECT_EQ(Edit(CCorrectAirportDlg::kLatitude)->text(), "47.458333");
    Click(CCorrectAirportDlg::kSave);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kEnterLatLonMessage});
    Type(CCorrectAirportDlg::kLongitude, "-8.55");
    EXPECT_EQ(Edit(CCorrectAirportDlg::kLongitude)->text(), "-8.550000");
    Click(CCorrectAirportDlg::kSave);
    EXPECT_EQ(Bytes(), "id=LSZH\r\nrn=16\r\nlat=47.458333\r\nlon=-8.550000\r\n");

    // Another runway shows nothing; the stored one shows again.
    Type(CCorrectAirportDlg::kRunway, "34");
    EXPECT_TRUE(Edit(CCorrectAirportDlg::kLatitude)->text().isEmpty());
    Type(CCorrectAirportDlg::kRunway, "16 ");
    EXPECT_EQ(Edit(CCorrectAirportDlg::kLongitude)->text(), "-8.550000");

    double latitude = 0;
    double longitude = 0;
    ASSERT_TRUE(LookupCorrectedAirport("LSZH", "16", kBase, latitude, longitude));
    EXPECT_DOUBLE_EQ(longitude, -8.55);
}

TEST_F(CorrectAirportDlgTest, DeleteRemovesTheRecordOrSaysItIsNotOnFile) {
    env_.writeFile(kHostFile, "id=LSZH\r\nrn=16\r\nlat=47.458333\r\nlon=-8.550000\r\n");
    Type(CCorrectAirportDlg::kIdent, "LSZH");
    Type(CCorrectAirportDlg::kRunway, "34");
    Click(CCorrectAirportDlg::kDelete);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kNothingToDeleteMessage});
    Type(CCorrectAirportDlg::kRunway, "16");
    Click(CCorrectAirportDlg::kDelete);
    EXPECT_EQ(Bytes(), "");
    EXPECT_EQ(Edit(CCorrectAirportDlg::kIdent)->text(), "LSZH");
    EXPECT_TRUE(Edit(CCorrectAirportDlg::kRunway)->text().isEmpty());
    EXPECT_TRUE(Edit(CCorrectAirportDlg::kLatitude)->text().isEmpty());
}

TEST(CorrectAirportDlgOpenTest, AFileThatCannotBeMadeIsReportedAndTheDialogCloses) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    // A folder stands where the file should be.
    env.writeFile("drive_c/Quillet/QuilletCorrect.nav/inside", "");
    CCorrectAirportDlg dialog(kBase);
    qtplatform::testing::WhenModalShown([](QWidget*) {});
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kCorrectionsOpenFailedMessage});
}

}  // namespace
}  // namespace trevalo
