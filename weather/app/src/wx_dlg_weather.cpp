// New weathers (the file from the command line, a new global file, a local record) and
// the station of a local weather.
#include <limits>

#include "platform/files.h"
#include "platform/message_box.h"
#include "qtplatform/text.h"
#include "wx/startup_file.h"
#include "wx/wx_file.h"
#include "wxapp/file_choosers.h"
#include "wxapp/icao_edit.h"
#include "wxapp/icarune_library.h"
#include "wxapp/new_weather_dlg.h"
#include "wxapp/select_icao_dlg.h"
#include "wxapp/wx_dlg.h"

namespace wxapp {
namespace {

constexpr const char* kCannotReplace =
    "The file already exist and could no be replaced.\nPlease ensure that the file is not write protected.";

void Inform(const std::string& text) { platform::MessageBox(text, {}, platform::MbIcon::Information); }

}  // namespace

void CWxDlg::OpenCommandLineFile() {
    const std::string path = std::exchange(commandLineFile_, {});
    const wx::StartupFile file = wx::PrepareStartupFile(path);
    if (file.error != wx::WxError::None) {
        Inform(file.existed && file.error == wx::WxError::WriteFailed ? kCannotReplace
                                                                      : wx::ErrorText(file.error, path));
        return;
    }
    currentFile_ = path;
    SetTitle();
    LoadWeatherRecord(path, 0);
}

void CWxDlg::OnNewWeather() {
    CNewWeatherDlg dialog(this);
    dialog.SetAllowed(true, !currentFile_.empty());
    if (dialog.exec() != QDialog::Accepted || dialog.Choice() == CNewWeatherDlg::kNone) return;
    const bool created = dialog.Choice() == CNewWeatherDlg::kGlobal ? CreateGlobalWeatherFile() : CreateWeatherFile();
    if (!created) Inform("The weather was not created");
}

bool CWxDlg::CreateWeatherFile() { return currentFile_.empty() ? CreateGlobalWeatherFile() : CreateLocalWeather(); }

bool CWxDlg::CreateLocalWeather() {
    CSelectIcaoDlg stations(simFolder_, this);
    // No record for a station without a place in ICAO POS.BIN: it would read as global.
    if (stations.exec() != QDialog::Accepted || stations.ChosenRecord() < 0) return false;
    if (!Reported(wx::AppendFileRecord(currentFile_, stations.ChosenRecord()))) return false;
    ShowLastRecord();
    return true;
}

// The file stays open until a new one is written: cancelling keeps what was on display.
bool CWxDlg::CreateGlobalWeatherFile() {
    const std::optional<std::string> path = ChooseNewWeatherFile(this, simFolder_);
    if (!path) return false;
    const bool existed = platform::FileSize(*path).has_value();
    const wx::WxError error = wx::CreateGlobalFile(*path);
    if (error != wx::WxError::None) {
        Inform(existed && error == wx::WxError::WriteFailed ? kCannotReplace : wx::ErrorText(error, *path));
        return false;
    }
    currentFile_ = *path;
    ShowLastRecord();
    return true;
}

void CWxDlg::ShowLastRecord() {
    SetTitle();
    // A number past the end shows the last record.
    LoadWeatherRecord(currentFile_, std::numeric_limits<int>::max());
}

void CWxDlg::OnChangeIcao() {
    const std::optional<int> pick = icao_->TakePick();
    if (currentFile_.empty()) return Inform("Please load a '.wx' file before trying to change the ID.");
    if (recordNumber_ == 0) return Inform("This is the Global weather and it cannot be updated.");
    int index = -1;
    if (pick) {
        index = *pick;
    } else {
        IcaruneLibrary icarune;
        auto* loadIcaos = icarune.Require<IcaruneLibrary::LoadIcaosFunction>("LoadICAOS");
        if (loadIcaos == nullptr) return;
        index = loadIcaos(qtplatform::FromQString(icao_->text()), simFolder_).index;
    }
    if (index < 0) return;
    const platform::MbResult answer = platform::MessageBox("Do you want to change the ICAO id.", {},
                                                           platform::MbIcon::Question, platform::MbButtons::YesNo, 1);
    if (answer == platform::MbResult::Yes)
        Reported(wx::SetFileIcaoIndex(currentFile_, static_cast<size_t>(recordNumber_), index));
    ReloadRecord();
}

}  // namespace wxapp
