// New weathers and the station of a local weather, through the main dialog.
#include <QTreeWidget>

#include "platform/files.h"
#include "platform/paths.h"
#include "qtplatform/file_chooser.h"
#include "wx/wx_codec.h"
#include "wx/wx_file.h"
#include "wx_dlg_fixture.h"
#include "wxapp/icao_edit.h"
#include "wxapp/new_weather_dlg.h"
#include "wxapp/select_icao_dlg.h"

namespace wxapp::testing {
namespace {

using platform::MbResult;

int32_t StationOf(size_t record) {
    wx::WxRecord read;
    EXPECT_EQ(wx::ReadFileRecord(kWeatherFile, record, read), wx::WxError::None);
    return read.header.icaoIndex;
}

// Picks the station of the row in the "Select ICAO" dialog.
void PickStation(QWidget& dialog, int row) {
    auto* list = qtplatform::FindControl<QTreeWidget>(&dialog, CSelectIcaoDlg::kStationList);
    ASSERT_NE(list, nullptr);
    ASSERT_LT(row, list->topLevelItemCount());
    emit list->itemDoubleClicked(list->topLevelItem(row), 0);
}

CIcaoEdit& IcaoEdit(const CWxDlg& dialog) { return *qtplatform::FindControl<CIcaoEdit>(&dialog, CWxDlg::kIcaoId); }

void TypeIdent(CIcaoEdit& edit, const char* ident) {
    edit.setFocus();
    edit.clear();
    QTest::keyClicks(&edit, ident);
}

TEST_F(WxDlgTest, WithoutAFileEveryListOffersOnlyAGlobalWeather) {
    Open("");
    for (int list : {CWxDlg::kPressureList, CWxDlg::kVisibilityList, CWxDlg::kWindList, CWxDlg::kCloudList,
                     CWxDlg::kTemperatureList}) {
        WhenDialog(
            [](QWidget& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "New Weather");
                EXPECT_TRUE(qtplatform::FindControl<QPushButton>(&dialog, CNewWeatherDlg::kGlobalWx)->isEnabled());
                EXPECT_FALSE(qtplatform::FindControl<QPushButton>(&dialog, CNewWeatherDlg::kLocalWx)->isEnabled());
            },
            qtplatform::kIdCancel);
        DoubleClickEmpty(list);
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(WxDlgTest, ALocalWeatherIsAddedForAPickedStation) {
    WriteWeather(TwoRecords());
    Open();
    WhenDialog(
        [](QWidget& choice) {
            EXPECT_TRUE(qtplatform::FindControl<QPushButton>(&choice, CNewWeatherDlg::kLocalWx)->isEnabled());
            qtplatform::testing::WhenModalShown([](QWidget* stations) {
                EXPECT_EQ(stations->windowTitle(), "Select ICAO");
                EXPECT_EQ(qtplatform::FindControl<QLineEdit>(stations, CSelectIcaoDlg::kItemCount)->text(), "3");
                PickStation(*stations, 2);
            });
        },
        CNewWeatherDlg::kLocalWx);
    DoubleClickEmpty(CWxDlg::kPressureList);
    EXPECT_EQ(StationOf(2), 2);
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "2");
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "EGLL");
    EXPECT_EQ(Weather().size(), TwoRecords().size() + 96);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(WxDlgTest, AStationNotPickedCreatesNothing) {
    WriteWeather(TwoRecords());
    Open();
    WhenDialog([](QWidget&) { WhenDialog(nullptr, qtplatform::kIdCancel); }, CNewWeatherDlg::kLocalWx);
    DoubleClickEmpty(CWxDlg::kPressureList);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"The weather was not created"}));
    EXPECT_EQ(Weather(), TwoRecords());
}

// Cancelling the new file keeps the open one; a chosen file gets the global record.
TEST_F(WxDlgTest, ANewGlobalWeatherIsANewFile) {
    WriteWeather(TwoRecords());
    Open();
    constexpr const char* kNewFile = "C:\\Quillet\\Default.wx";
    qtplatform::FileChooserRecorder files({std::nullopt, kNewFile});
    WhenDialog(nullptr, CNewWeatherDlg::kGlobalWx);
    DoubleClickEmpty(CWxDlg::kPressureList);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"The weather was not created"}));
    EXPECT_EQ(dialog_->CurrentFile(), kWeatherFile);

    WhenDialog(nullptr, CNewWeatherDlg::kGlobalWx);
    DoubleClickEmpty(CWxDlg::kPressureList);
    ASSERT_EQ(files.requests().size(), 2u);
    const qtplatform::FileChooserRequest request = files.requests()[1];
    EXPECT_EQ(request.mode, qtplatform::FileChooserMode::Save);
    EXPECT_EQ(request.fileName, "Default.wx");
    EXPECT_EQ(request.defaultExtension, "wx");
    EXPECT_EQ(request.initialFolder, "C:\\Sim\\");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(dialog_->CurrentFile(), kNewFile);
    EXPECT_EQ(dialog_->windowTitle().toStdString(), std::string("Weather Editor [") + kNewFile + "]");
    const wx::WxBytes expected = wx::EncodeRecord(wx::NewRecord(-1));
    std::string written;
    ASSERT_TRUE(platform::ReadFileBytes(kNewFile, written));
    EXPECT_EQ(written, std::string(reinterpret_cast<const char*>(expected.data()), expected.size()));
    EXPECT_EQ(Weather(), TwoRecords());
}

TEST_F(WxDlgTest, GetWxOpensAFile) {
    WriteWeather(TwoRecords());
    Open("");
    qtplatform::FileChooserRecorder files({kWeatherFile});
    Press(*dialog_, CWxDlg::kGetWx);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].mode, qtplatform::FileChooserMode::Open);
    EXPECT_EQ(files.requests()[0].filter, "Wx Files (Weather)|*.wx||");
    EXPECT_EQ(files.requests()[0].initialFolder, "C:\\Sim\\");
    EXPECT_EQ(dialog_->CurrentFile(), kWeatherFile);
    EXPECT_EQ(dialog_->windowTitle(), "Weather Editor [C:\\Quillet\\AdvWx.wx]");
    EXPECT_EQ(List(CWxDlg::kCloudList).RowCount(), 1);
}

TEST_F(WxDlgTest, ATypedStationIsLookedUpAndChangedWhenConfirmed) {
    WriteWeather(TwoRecords());
    Open();
    ASSERT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    {
        platform::MessageBoxRecorder boxes({MbResult::No});
        TypeIdent(IcaoEdit(*dialog_), "KSEA");
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Do you want to change the ICAO id."}));
        EXPECT_EQ(StationOf(1), kLax);
        EXPECT_EQ(Text(CWxDlg::kIcaoId), "LAX");
    }
    platform::MessageBoxRecorder boxes({MbResult::Yes});
    TypeIdent(IcaoEdit(*dialog_), "KSEA");
    EXPECT_EQ(StationOf(1), 0);
    EXPECT_EQ(Text(CWxDlg::kIcaoId), "KSEA");
    // An unknown ident changes nothing, and asks nothing.
    boxes.clear();
    TypeIdent(IcaoEdit(*dialog_), "ZZZZ");
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(StationOf(1), 0);
}

// The pick applies to the change it causes; an ident typed afterwards is looked up.
TEST_F(WxDlgTest, APickedStationIsUsedOnce) {
    WriteWeather(TwoRecords());
    Open();
    ASSERT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    platform::MessageBoxRecorder boxes({MbResult::Yes, MbResult::Yes});
    qtplatform::testing::WhenModalShown([](QWidget* stations) { PickStation(*stations, 2); });
    QTest::mouseDClick(&IcaoEdit(*dialog_), Qt::LeftButton);
    EXPECT_EQ(StationOf(1), 2);
    TypeIdent(IcaoEdit(*dialog_), "KSEA");
    EXPECT_EQ(StationOf(1), 0);
}

TEST_F(WxDlgTest, TheGlobalWeatherHasNoStation) {
    WriteWeather(TwoRecords());
    Open();
    TypeIdent(IcaoEdit(*dialog_), "KSEA");
    QTest::mouseDClick(&IcaoEdit(*dialog_), Qt::LeftButton);
    const std::string message = "This is the Global weather and it cannot be updated.";
    ASSERT_GE(boxes_.texts().size(), 2u);
    for (const std::string& text : boxes_.texts()) EXPECT_EQ(text, message);
    EXPECT_EQ(Weather(), TwoRecords());

    dialog_.reset();
    boxes_.clear();
    Open("");
    QTest::mouseDClick(&IcaoEdit(*dialog_), Qt::LeftButton);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"Please load a '.wx' file before trying to change the ID."}));
}

TEST_F(WxDlgTest, MissingStationNamesCancelThePick) {
    WriteWeather(TwoRecords());
    ASSERT_TRUE(std::filesystem::remove(platform::HostPath("C:\\Sim\\Weather\\ICAO Name.CFG")));
    Open();
    ASSERT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    QTest::mouseDClick(&IcaoEdit(*dialog_), Qt::LeftButton);
    EXPECT_EQ(boxes_.texts(),
              (std::vector<std::string>{"The ICAO file could not be opened.\nThe current action has been canceled"}));
    EXPECT_EQ(StationOf(1), kLax);
}

}  // namespace
}  // namespace wxapp::testing
