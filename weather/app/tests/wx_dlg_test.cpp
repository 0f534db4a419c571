// The main dialog: opening the file named on the command line, showing its records, and
// stepping between them.
#include "wx_dlg_fixture.h"

#include <QToolButton>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"

#include "wx/wx_codec.h"
#include "wx/wx_records.h"
#include "wxapp/record_spin.h"

namespace wxapp::testing {
namespace {

using Cells = std::vector<std::string>;

TEST_F(WxDlgTest, ShowsTheGlobalRecordOfTheCommandLineFile) {
    WriteWeather(TwoRecords());
    Open();
    EXPECT_EQ(dialog_->windowTitle(), "Weather Editor [C:\\Quillet\\AdvWx.wx]");
    EXPECT_EQ(Row(CWxDlg::kPressureList, 0), (Cells{"   1013.25", "0", "15"}));
    EXPECT_EQ(Row(CWxDlg::kVisibilityList, 0), (Cells{"40", "48000", "9999"}));
    EXPECT_EQ(Row(CWxDlg::kWindList, 0), (Cells{"271", "20", "0", "1", "12", "2", "1999"}));
    // Rain rate 4 and rain type 2 by their own keys in the suite's rules.
    EXPECT_EQ(Row(CWxDlg::kCloudList, 0),
              (Cells{"1000", "5", "0", "1", "500", "Heavy", "Freezing rain", "0", "15000", "2", "6"}));
    EXPECT_EQ(Row(CWxDlg::kTemperatureList, 0), (Cells{"0", "15", "3", "10"}));
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "0");
    EXPECT_EQ(Text(CWxDlg::kWindCount), "1");
    EXPECT_EQ(Text(CWxDlg::kUnknown1), "791626");
    EXPECT_EQ(Text(CWxDlg::kUnknown2), "-1");
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "N/A");
    EXPECT_EQ(Text(CWxDlg::kLatitude), "Global Wx");
    EXPECT_EQ(Text(CWxDlg::kLongitude), "Global Wx");
    EXPECT_EQ(Text(CWxDlg::kElevation), "-1");
    EXPECT_TRUE(boxes_.texts().empty());
    EXPECT_EQ(Weather(), TwoRecords());
}

TEST_F(WxDlgTest, TheSpinStepsBetweenTheRecords) {
    WriteWeather(TwoRecords());
    Open();
    auto& spin = *qtplatform::FindControl<CRecordSpin>(dialog_.get(), CWxDlg::kRecordSpin);
    spin.UpButton()->click();
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "1");
    EXPECT_EQ(Text(CWxDlg::kWindCount), "2");
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "LAX");
    EXPECT_EQ(Text(CWxDlg::kLatitude), "N033* 45'00.00");
    EXPECT_EQ(Text(CWxDlg::kUnknown2), "1");
    EXPECT_EQ(List(CWxDlg::kWindList).RowCount(), 2);
    EXPECT_EQ(List(CWxDlg::kCloudList).RowCount(), 0);
    spin.UpButton()->click();  // past the last record: the last one stays
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "1");
    spin.DownButton()->click();
    spin.DownButton()->click();
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "0");
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "N/A");
}

TEST_F(WxDlgTest, AStationMissingFromTheSimulatorIsNotFound) {
    WriteWeather(wx::testing::Concat({GlobalRecord(), LocalRecord(77)}));
    Open();
    EXPECT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "N/A");
    EXPECT_EQ(Text(CWxDlg::kLatitude), "Not found");
    EXPECT_EQ(Text(CWxDlg::kElevation), "-1");
}

// A second session from the planner keeps the weather of the first.
TEST_F(WxDlgTest, TheCommandLineFileIsOpenedNotReplaced) {
    WriteWeather(TwoRecords());
    Open();
    dialog_.reset();
    Open();
    EXPECT_EQ(Weather(), TwoRecords());
    EXPECT_EQ(dialog_->CurrentFile(), kWeatherFile);
}

TEST_F(WxDlgTest, AMissingOrEmptyCommandLineFileGetsTheGlobalRecord) {
    for (bool empty : {false, true}) {
        if (empty) WriteWeather({});
        Open();
        const wx::WxBytes expected = wx::EncodeRecord(wx::NewRecord(-1));
        EXPECT_EQ(Weather(), Bytes(expected.begin(), expected.end())) << empty;
        EXPECT_EQ(Text(CWxDlg::kRecordNumber), "0");
        EXPECT_EQ(Row(CWxDlg::kWindList, 0)[6], "21529");
        dialog_.reset();
        ASSERT_TRUE(std::filesystem::remove(platform::HostPath(kWeatherFile)));
    }
}

TEST_F(WxDlgTest, AFileThatIsNoWeatherFileIsLeftAlone) {
    env_.writeFile("drive_c/Quillet/AdvWx.wx", "no weather here");
    Open();
    ASSERT_EQ(boxes_.texts().size(), 1u);
    EXPECT_NE(boxes_.texts()[0].find("C:\\Quillet\\AdvWx.wx"), std::string::npos);
    EXPECT_EQ(dialog_->windowTitle(), "Weather Editor [No file selected]");
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(platform::HostPath(kWeatherFile)), "no weather here");
}

TEST_F(WxDlgTest, AFolderOnTheCommandLineIsNotAFile) {
    ASSERT_TRUE(platform::CreateDirectory(kWeatherFile));
    Open();
    EXPECT_EQ(boxes_.texts(),
              (std::vector<std::string>{"C:\\Quillet\\AdvWx.wx is not a file.\nPlease name a weather file."}));
    EXPECT_EQ(dialog_->windowTitle(), "Weather Editor [No file selected]");
    EXPECT_TRUE(std::filesystem::is_directory(platform::HostPath(kWeatherFile)));
}

TEST_F(WxDlgTest, WithoutAFileNothingIsOpen) {
    Open("");
    EXPECT_EQ(dialog_->windowTitle(), "Weather Editor [No file selected]");
    EXPECT_TRUE(dialog_->CurrentFile().empty());
    EXPECT_EQ(List(CWxDlg::kWindList).RowCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(platform::HostPath(kWeatherFile)));
}

}  // namespace
}  // namespace wxapp::testing
