// "Weather Editor" (dialog 102), Wx's main window: one weather record of the open .wx
// file in five layer lists (pressure, visibility, winds, clouds, temperature), its counts
// and header values, its ICAO station, and the spin that steps from record to record.
// Editing a list opens the layer's dialog and writes the result into the file at once;
// the decoded record on display is kept beside the lists, so the dialogs start from the
// stored layers and a field left unchanged keeps its bytes.
#pragma once

#include <array>
#include <string>

#include "qtplatform/dialog.h"
#include "wx/layer_rows.h"
#include "wx/weather_rules.h"
#include "wx/wx_layout.h"
#include "wx/wx_records.h"

class QLineEdit;
class QPushButton;

namespace wxapp {

class CIcaoEdit;
class CLayerListCtrl;
class CRecordSpin;

class CWxDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kGetWx = 1000,
        kCloudList = 1001,
        kWindList = 1002,
        kCloudCount = 1003,
        kPressureList = 1004,
        kVisibilityList = 1005,
        kWindCount = 1006,
        kVisibilityCount = 1007,
        kTemperatureCount = 1008,
        kUnknown1 = 1009,
        kUnknown2 = 1010,
        kUnknown3 = 1011,
        kTemperatureList = 1012,
        kRecordSpin = 1013,
        kRecordNumber = 1014,
        kLatitude = 1030,
        kLongitude = 1031,
        kElevation = 1032,
        kIcaoId = 1033,
    };
    // The system menu's about command.
    static constexpr int kCmdAbout = 16;

    // What DeleteLayer removes from the record on display.
    enum DeletedPart : int {
        kDeleteVisibility = 0,
        kDeleteTemperature = 1,
        kDeleteCloud = 2,
        kDeleteWind = 3,
        kDeleteRecord = 4,
    };

    // rulesPath: AdvWx.rul; weatherFile: the file named on the command line, empty for none.
    CWxDlg(std::string rulesPath, std::string weatherFile, QWidget* parent = nullptr);
    ~CWxDlg() override;

    const std::string& CurrentFile() const { return currentFile_; }
    int RecordNumber() const { return recordNumber_; }

    // Reads and shows record n of the file, which becomes the current file. A number past
    // the last record shows the last one and gives false.
    bool LoadWeatherRecord(const std::string& path, int n);
    bool DeleteLayer(DeletedPart part, int position);
    void OnNewWeather();
    void OnGetWx();
    void OnChangeIcao();
    // The about box (system menu command 16).
    void OnAbout();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Global { FromCommandLine, Ask };

    void BuildLayout();
    void ConnectLists();
    void SetTitle();
    void ClearRecord();
    void ShowRecord(const wx::WxRecord& record, const wx::CloudCellNames& names);
    void ReloadRecord();
    void OpenCommandLineFile();

    // The edit command of a list: a layer's dialog, the pressure, or a new weather.
    template <class Dialog, class Layer>
    void EditLayer(CLayerListCtrl& list, std::vector<Layer>& layers);
    void EditPressure();
    void OnDeleteRequested(CLayerListCtrl& list, DeletedPart part);
    // A new local record for a picked station, or a new global file chosen by the user.
    bool CreateWeatherFile();
    bool CreateLocalWeather();
    bool CreateGlobalWeatherFile();
    void ShowLastRecord();
    // The file's error, when there is one, in a message box; true when there is none.
    bool Reported(wx::WxError error);
    void OnStep(int step);

    std::string rulesPath_;
    std::string commandLineFile_;
    std::string simFolder_;
    std::string currentFile_;
    int recordNumber_ = 0;
    wx::WxRecord record_;

    // Shown in the controls.
    std::array<int, 4> counts_{};  // wind, visibility, cloud, temperature
    std::string unknown1_, unknown2_, unknown3_;
    std::string icaoId_, latitude_, longitude_;
    int elevation_ = 0;

    QPushButton* getWx_;
    CLayerListCtrl* pressure_;
    CLayerListCtrl* visibility_;
    CLayerListCtrl* winds_;
    CLayerListCtrl* clouds_;
    CLayerListCtrl* temperature_;
    CRecordSpin* spin_;
    CIcaoEdit* icao_;
};

}  // namespace wxapp
