// Editing, adding and deleting layers through the main dialog, checked in the file.
#include <QMenu>

#include "wx/wx_file.h"
#include "wx/wx_units.h"
#include "wx_dlg_fixture.h"
#include "wxapp/cloud_dlg.h"
#include "wxapp/pressure_dlg.h"
#include "wxapp/temperature_dlg.h"
#include "wxapp/winds_dlg.h"

namespace wxapp::testing {
namespace {

using platform::MbResult;

wx::WxRecord ReadBack(size_t n) {
    wx::WxRecord record;
    EXPECT_EQ(wx::ReadFileRecord(kWeatherFile, n, record), wx::WxError::None);
    return record;
}

// An OK that changes nothing leaves the file byte for byte as it was, fractions and all.
TEST_F(WxDlgTest, AnUnchangedOkLeavesTheFileAsItWas) {
    WriteWeather(TwoRecords());
    Open();
    for (int list : {CWxDlg::kPressureList, CWxDlg::kVisibilityList, CWxDlg::kWindList, CWxDlg::kCloudList,
                     CWxDlg::kTemperatureList}) {
        WhenDialog(nullptr);
        DoubleClickRow(list, 0);
        EXPECT_EQ(Weather(), TwoRecords()) << list;
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

// Pressing OK after changing one field writes that field alone: the cloud's rain keeps
// its numbers, the wind's altitude is converted once.
TEST_F(WxDlgTest, AnEditChangesOnlyTheFieldTheUserChanged) {
    WriteWeather(TwoRecords());
    Open();
    WhenDialog([](QWidget& dialog) { SetText(dialog, CCloudDlg::kTop, "20000"); });
    DoubleClickRow(CWxDlg::kCloudList, 0);
    wx::WxCloudLayer expected = ReadBack(0).clouds[0];
    expected.top = wx::FeetToMetres(20000);
    const wx::WxRecord afterCloud = ReadBack(0);
    EXPECT_EQ(afterCloud.clouds[0], expected);
    EXPECT_EQ(afterCloud.clouds[0].rainType, 2);
    EXPECT_EQ(afterCloud.clouds[0].rainRate, 4);

    for (int press = 0; press < 3; ++press) {
        WhenDialog([](QWidget& dialog) { SetText(dialog, CWindsDlg::kSpeed, "30"); });
        DoubleClickRow(CWxDlg::kWindList, 0);
    }
    const wx::WxWindLayer wind = ReadBack(0).winds[0];
    EXPECT_EQ(wind.upperAltitude, 609.57f);
    EXPECT_EQ(wind.speed, 30.0f);
    EXPECT_EQ(wind.gusts, 20.2f);

    WhenDialog([](QWidget& dialog) { SetText(dialog, CWindsDlg::kUpperAltitude, "2000"); });
    DoubleClickRow(CWxDlg::kWindList, 0);
    EXPECT_EQ(ReadBack(0).winds[0].upperAltitude, 609.0f);
    EXPECT_EQ(Row(CWxDlg::kWindList, 0)[6], "1998");
}

TEST_F(WxDlgTest, APressureIsWrittenAsEntered) {
    WriteWeather(TwoRecords());
    Open();
    WhenDialog([](QWidget& dialog) { SetText(dialog, CPressureDlg::kPressure, "1001.5"); });
    DoubleClickRow(CWxDlg::kPressureList, 0);
    EXPECT_EQ(ReadBack(0).pressure.pressure, 1001.5f);
    EXPECT_EQ(ReadBack(0).pressure.third, 15.0f);
    EXPECT_EQ(Row(CWxDlg::kPressureList, 0)[0], "   1001.50");
}

TEST_F(WxDlgTest, ANewLayerIsAddedBehindTheLast) {
    WriteWeather(TwoRecords());
    Open();
    WhenDialog([](QWidget& dialog) {
        SetText(dialog, CTemperatureDlg::kAltitude, "5000");
        SetText(dialog, CTemperatureDlg::kDayTemperature, "5");
    });
    DoubleClickEmpty(CWxDlg::kTemperatureList);
    const wx::WxRecord record = ReadBack(0);
    ASSERT_EQ(record.temperatures.size(), 2u);
    EXPECT_EQ(record.temperatures[1].altitude, wx::FeetToMetres(5000));
    EXPECT_EQ(record.temperatures[1].dayTemperature, 5.0f);
    EXPECT_EQ(Weather().size(), TwoRecords().size() + wx::kWxTemperatureLayerSize);
    EXPECT_EQ(Row(CWxDlg::kTemperatureList, 1)[0], "5000");
    EXPECT_EQ(Text(CWxDlg::kTemperatureCount), "2");
}

// Below the layer before, the dialog comes back with the values entered.
TEST_F(WxDlgTest, OverlappingLayersAreRefused) {
    WriteWeather(TwoRecords());
    Open();
    ASSERT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    WhenDialog([](QWidget& dialog) {
        SetText(dialog, CWindsDlg::kUpperAltitude, "1000");
        WhenDialog(
            [](QWidget& again) {
                EXPECT_EQ(qtplatform::FindControl<QLineEdit>(&again, CWindsDlg::kUpperAltitude)->text(), "1000");
            },
            qtplatform::kIdCancel);
    });
    DoubleClickEmpty(CWxDlg::kWindList);
    EXPECT_EQ(boxes_.texts(),
              (std::vector<std::string>{"The minimum height must be [6562]\n(Overlapping is not allowed)"}));
    EXPECT_EQ(Weather(), TwoRecords());
}

TEST_F(WxDlgTest, NoMoreLayersThanTheRulesAllow) {
    WriteRules({"[winds]", "max=2"});
    WriteWeather(TwoRecords());
    Open();
    ASSERT_TRUE(dialog_->LoadWeatherRecord(kWeatherFile, 1));
    DoubleClickEmpty(CWxDlg::kWindList);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"The maximum number of layer  allowed is [2]"}));
    EXPECT_EQ(Weather(), TwoRecords());
}

TEST_F(WxDlgTest, DeletingAsksFirst) {
    struct Case {
        int list;
        int record;
        std::vector<MbResult> answers;
        std::string question;
        size_t removed;
    };
    const Case cases[] = {
        {CWxDlg::kCloudList, 0, {MbResult::Yes}, "Do you want to delete this Cloud Layer", wx::kWxCloudLayerSize},
        {CWxDlg::kCloudList, 0, {MbResult::No}, "Do you want to delete this Cloud Layer", 0},
        {CWxDlg::kVisibilityList,
         1,
         {MbResult::Yes},
         "Do you want to delete this Visibility Layer",
         wx::kWxVisibilityLayerSize},
        {CWxDlg::kTemperatureList,
         0,
         {MbResult::Yes},
         "Do you want to delete this Temperature Layer",
         wx::kWxTemperatureLayerSize},
        {CWxDlg::kWindList, 1, {MbResult::Yes}, "Do you want to delete this Wind Layer", wx::kWxWindLayerSize},
        {CWxDlg::kPressureList, 1, {MbResult::Yes}, "Do you want to delete this Local weather", LocalRecord().size()},
    };
    for (const Case& c : cases) {
        WriteWeather(TwoRecords());
        Open();
        platform::MessageBoxRecorder boxes(c.answers);
        ASSERT_EQ(dialog_->LoadWeatherRecord(kWeatherFile, c.record), true);
        PressDelete(c.list, 0);
        ASSERT_EQ(boxes.shown().size(), 1u) << c.question;
        EXPECT_EQ(boxes.shown()[0].text, c.question);
        EXPECT_EQ(boxes.shown()[0].icon, platform::MbIcon::Question);
        EXPECT_EQ(boxes.shown()[0].defaultButton, 1);
        EXPECT_EQ(Weather().size(), TwoRecords().size() - c.removed) << c.question;
    }
    // The local record gone, the global one is shown.
    EXPECT_EQ(Text(CWxDlg::kRecordNumber), "0");
}

TEST_F(WxDlgTest, TheLastWindAndTheGlobalWeatherStay) {
    WriteWeather(TwoRecords());
    Open();
    PressDelete(CWxDlg::kWindList, 0);
    List(CWxDlg::kWindList).PopupMenu()->findChild<QAction*>("cmd_32776")->trigger();
    PressDelete(CWxDlg::kPressureList, 0);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{
                                  "You must have at least one wind layer", "You must have at least one wind layer",
                                  "You cannot delete the global weather.\nDelete or overwrite the file directly"}));
    EXPECT_EQ(Weather(), TwoRecords());
}

TEST_F(WxDlgTest, ThePopupMenuFollowsTheSelection) {
    WriteWeather(TwoRecords());
    Open();
    const auto enabled = [this](const char* command) {
        return List(CWxDlg::kCloudList).PopupMenu()->findChild<QAction*>(command)->isEnabled();
    };
    List(CWxDlg::kCloudList).SelectRow(0);
    EXPECT_FALSE(enabled("cmd_32777"));
    EXPECT_TRUE(enabled("cmd_32778"));
    EXPECT_TRUE(enabled("cmd_32776"));
    List(CWxDlg::kCloudList).clearSelection();
    EXPECT_TRUE(enabled("cmd_32777"));
    EXPECT_FALSE(enabled("cmd_32778"));
    EXPECT_FALSE(enabled("cmd_32776"));

    // "&Add" opens the empty dialog in add mode.
    WhenDialog([](QWidget& dialog) { EXPECT_EQ(dialog.windowTitle(), "Add New Cloud"); }, qtplatform::kIdCancel);
    List(CWxDlg::kCloudList).PopupMenu()->findChild<QAction*>("cmd_32777")->trigger();
    EXPECT_EQ(Weather(), TwoRecords());
}

}  // namespace
}  // namespace wxapp::testing
