// The weather editor's main dialog on a stand-in installation: the simulator with three
// stations (KSEA, LAX, EGLL), the suite's rules file in C:\Quillet\ and a weather file
// beside it, and the user's gestures on the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"
#include "wx/wx_layout.h"
#include "wx_test_bytes.h"
#include "wxapp/layer_list_ctrl.h"
#include "wxapp/wx_dlg.h"

namespace wxapp::testing {

using Bytes = wx::testing::Bytes;

inline constexpr const char* kWeatherFile = "C:\\Quillet\\AdvWx.wx";
inline constexpr const char* kRulesFile = "C:\\Quillet\\AdvWx.rul";
inline constexpr int kLax = 1;  // LAX's record in ICAO POS.BIN

// Global: one wind, visibility, cloud and temperature layer with fractions in their
// floats. Local (LAX): two winds, one visibility, no cloud, one temperature.
Bytes GlobalRecord();
Bytes LocalRecord(int32_t icao = kLax);
inline Bytes TwoRecords() { return wx::testing::Concat({GlobalRecord(), LocalRecord()}); }

class WxDlgTest : public ::testing::Test {
protected:
    WxDlgTest();
    ~WxDlgTest() override;

    void WriteWeather(const Bytes& bytes) const;
    Bytes Weather() const;
    // Rules of these lines in place of the suite's.
    void WriteRules(const std::vector<std::string>& lines) const;
    // Shows the dialog as Wx does, with the file as named on the command line.
    CWxDlg& Open(const std::string& commandLineFile = kWeatherFile);

    CLayerListCtrl& List(int id) const;
    std::string Text(int id) const;
    std::vector<std::string> Row(int listId, int row) const;
    // The user's gestures.
    void DoubleClickRow(int listId, int row) const;
    void DoubleClickEmpty(int listId) const;
    void PressDelete(int listId, int row) const;
    // Runs act on the next modal dialog, then presses its button with the id.
    static void WhenDialog(std::function<void(QWidget&)> act, int buttonId = qtplatform::kIdOk);
    static void Press(QWidget& dialog, int id);
    static void SetText(QWidget& dialog, int id, const std::string& text);

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    std::unique_ptr<CWxDlg> dialog_;
};

}  // namespace wxapp::testing
