// Reading the record on display and showing it.
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "wx/layer_rows.h"
#include "wx/wx_file.h"
#include "wx/wx_station_text.h"
#include "wxapp/icao_edit.h"
#include "wxapp/icarune_library.h"
#include "wxapp/layer_list_ctrl.h"
#include "wxapp/wx_dlg.h"

namespace wxapp {
namespace {

template <class Layer>
std::vector<std::vector<std::string>> Rows(const std::vector<Layer>& layers, const wx::CloudCellNames& names) {
    std::vector<std::vector<std::string>> rows;
    for (const Layer& layer : layers) rows.push_back(wx::LayerCells(layer, names));
    return rows;
}

}  // namespace

bool CWxDlg::Reported(wx::WxError error) {
    if (error == wx::WxError::None) return true;
    platform::MessageBox(wx::ErrorText(error, currentFile_), {}, platform::MbIcon::Information);
    return false;
}

bool CWxDlg::LoadWeatherRecord(const std::string& path, int n) {
    currentFile_ = path;
    wx::WxBytes bytes;
    const wx::WxError loaded = wx::LoadFile(path, bytes);
    if (loaded == wx::WxError::NoFile) return false;
    if (!Reported(loaded)) return false;

    IcaruneLibrary icarune;
    auto* loadIcao = icarune.Require<IcaruneLibrary::LoadIcaoFunction>("LoadICAO");
    if (loadIcao == nullptr) return false;

    const wx::WxWalk walk = wx::WalkRecords(bytes);
    if (!Reported(walk.error)) return false;
    if (walk.records.empty()) {
        recordNumber_ = 0;
        ClearRecord();
        return false;
    }
    // Past the last record the last one is shown.
    const bool found = n >= 0 && static_cast<size_t>(n) < walk.records.size();
    recordNumber_ = found ? n : static_cast<int>(walk.records.size()) - 1;
    wx::WxRecord record;
    if (!Reported(wx::ReadRecord(bytes, static_cast<size_t>(recordNumber_), record))) return false;

    const wx::WeatherRules rules = wx::WeatherRules::Load(rulesPath_);
    ShowRecord(record, wx::CloudCellNames::FromRules(rules));
    if (recordNumber_ == 0) {
        icaoId_ = "N/A";
        latitude_ = longitude_ = "Global Wx";
        elevation_ = -1;
    } else {
        const IcaoStationRecord station = loadIcao(record.header.icaoIndex, simFolder_);
        const bool known = station.elevation != -1.0f;
        icaoId_ = known ? station.id : "N/A";
        latitude_ = known ? wx::StationAngleText(station.latitude, true) : "Not found";
        longitude_ = known ? wx::StationAngleText(station.longitude, false) : "Not found";
        elevation_ = known ? platform::SaturatingInt(station.elevation) : -1;
    }
    UpdateData(false);
    return found;
}

void CWxDlg::ReloadRecord() { LoadWeatherRecord(currentFile_, recordNumber_); }

void CWxDlg::ShowRecord(const wx::WxRecord& record, const wx::CloudCellNames& names) {
    record_ = record;
    const wx::WxRecordHeader& header = record.header;
    counts_ = {static_cast<int>(record.winds.size()), header.visibilityCount, header.cloudCount,
               header.temperatureCount};
    unknown1_ = std::to_string(header.unknown1);
    unknown2_ = std::to_string(header.icaoIndex);
    unknown3_ = std::to_string(header.unknown3);
    pressure_->SetRows({wx::PressureCells(record.pressure)});
    visibility_->SetRows(Rows(record.visibilities, names));
    winds_->SetRows(Rows(record.winds, names));
    clouds_->SetRows(Rows(record.clouds, names));
    temperature_->SetRows(Rows(record.temperatures, names));
    icao_->SetWeatherRecord(recordNumber_);
}

void CWxDlg::ClearRecord() {
    record_ = {};
    counts_ = {};
    unknown1_.clear();
    unknown2_.clear();
    unknown3_.clear();
    icaoId_.clear();
    latitude_.clear();
    longitude_.clear();
    elevation_ = 0;
    for (CLayerListCtrl* list : {pressure_, visibility_, winds_, clouds_, temperature_}) list->DeleteAllRows();
    icao_->SetWeatherRecord(-1);
    UpdateData(false);
}

}  // namespace wxapp
