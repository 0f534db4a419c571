// Editing and deleting the layers of the record on display.
#include <optional>

#include "platform/message_box.h"
#include "wx/layer_limits.h"
#include "wx/layer_values.h"
#include "wx/rule_choices.h"
#include "wx/wx_codec.h"
#include "wx/wx_file.h"
#include "wxapp/cloud_dlg.h"
#include "wxapp/layer_list_ctrl.h"
#include "wxapp/pressure_dlg.h"
#include "wxapp/temperature_dlg.h"
#include "wxapp/visibility_dlg.h"
#include "wxapp/winds_dlg.h"
#include "wxapp/wx_dlg.h"

namespace wxapp {
namespace {

using wx::WxLayerKind;

template <class Layer>
constexpr WxLayerKind KindOf() {
    return static_cast<WxLayerKind>(wx::WxLayer(Layer{}).index());
}

bool AnsweredYes(const char* question) {
    return platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNo, 1) ==
           platform::MbResult::Yes;
}

void Inform(const std::string& text) { platform::MessageBox(text, {}, platform::MbIcon::Information); }

struct Deletion {
    const char* question;
    std::optional<WxLayerKind> kind;  // none for the whole record
};

Deletion DeletionOf(CWxDlg::DeletedPart part) {
    switch (part) {
        case CWxDlg::kDeleteVisibility:
            return {"Do you want to delete this Visibility Layer", WxLayerKind::Visibility};
        case CWxDlg::kDeleteTemperature:
            return {"Do you want to delete this Temperature Layer", WxLayerKind::Temperature};
        case CWxDlg::kDeleteCloud:
            return {"Do you want to delete this Cloud Layer", WxLayerKind::Cloud};
        case CWxDlg::kDeleteWind:
            return {"Do you want to delete this Wind Layer", WxLayerKind::Wind};
        case CWxDlg::kDeleteRecord:
            break;
    }
    return {"Do you want to delete this Local weather", std::nullopt};
}

}  // namespace

void CWxDlg::ConnectLists() {
    connect(pressure_, &CLayerListCtrl::editRequested, this, &CWxDlg::EditPressure);
    connect(visibility_, &CLayerListCtrl::editRequested, this,
            [this] { EditLayer<CVisibilityDlg>(*visibility_, record_.visibilities); });
    connect(winds_, &CLayerListCtrl::editRequested, this, [this] { EditLayer<CWindsDlg>(*winds_, record_.winds); });
    connect(clouds_, &CLayerListCtrl::editRequested, this, [this] { EditLayer<CCloudDlg>(*clouds_, record_.clouds); });
    connect(temperature_, &CLayerListCtrl::editRequested, this,
            [this] { EditLayer<CTemperatureDlg>(*temperature_, record_.temperatures); });

    const std::pair<CLayerListCtrl*, DeletedPart> deletions[] = {{pressure_, kDeleteRecord},
                                                                 {visibility_, kDeleteVisibility},
                                                                 {winds_, kDeleteWind},
                                                                 {clouds_, kDeleteCloud},
                                                                 {temperature_, kDeleteTemperature}};
    for (const auto& [list, part] : deletions)
        connect(list, &CLayerListCtrl::deleteRequested, this, [this, list, part] { OnDeleteRequested(*list, part); });
}

template <class Dialog, class Layer>
void CWxDlg::EditLayer(CLayerListCtrl& list, std::vector<Layer>& layers) {
    if (currentFile_.empty()) return OnNewWeather();
    constexpr WxLayerKind kind = KindOf<Layer>();
    const wx::WeatherRules rules = wx::WeatherRules::Load(rulesPath_);
    const int row = list.SelectedRow();
    const bool adding = row < 0 || static_cast<size_t>(row) >= layers.size();
    const int32_t maximum = wx::LayerMaximum(rules, kind);
    if (adding && maximum > 0 && layers.size() >= static_cast<size_t>(maximum))
        return Inform(wx::MaximumLayersMessage(maximum));

    const size_t position = adding ? layers.size() : static_cast<size_t>(row);
    const wx::LayerValues<Layer> before = adding ? wx::LayerValues<Layer>{} : wx::ValuesOf(layers[position]);
    Dialog dialog(rules, this);
    dialog.SetAddMode(adding);
    dialog.SetValues(before);
    const bool overlapAllowed = wx::LayersMayOverlap(rules, kind);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) return;
        if (overlapAllowed || position == 0) break;
        const int32_t floor = wx::OverlapFloor(layers[position - 1]);
        if (wx::PlacingHeight(dialog.GetValues()) >= floor) break;
        Inform(wx::OverlapMessage(floor));
    }

    const Layer layer = adding ? wx::LayerFromValues<Layer>(dialog.GetValues())
                               : wx::WithValues(layers[position], before, dialog.GetValues());
    // An edit that changes nothing leaves the file as it is.
    if (!adding && wx::EncodeLayer(layer) == wx::EncodeLayer(layers[position])) return;
    Reported(wx::WriteFileLayer(currentFile_, static_cast<size_t>(recordNumber_), position, adding, layer));
    ReloadRecord();
}

void CWxDlg::EditPressure() {
    if (currentFile_.empty() || pressure_->SelectedRow() < 0) return OnNewWeather();
    CPressureDlg dialog(this);
    dialog.SetPressure(record_.pressure.pressure);
    const double before = dialog.Pressure();
    if (dialog.exec() != QDialog::Accepted || dialog.Pressure() == before) return;
    Reported(
        wx::SetFilePressure(currentFile_, static_cast<size_t>(recordNumber_), static_cast<float>(dialog.Pressure())));
    ReloadRecord();
}

void CWxDlg::OnDeleteRequested(CLayerListCtrl& list, DeletedPart part) {
    const int row = list.SelectedRow();
    if (row < 0 || currentFile_.empty()) return;
    if (part == kDeleteRecord && recordNumber_ == 0)
        return Inform("You cannot delete the global weather.\nDelete or overwrite the file directly");
    if (part == kDeleteWind && list.RowCount() == 1) return Inform("You must have at least one wind layer");
    if (!AnsweredYes(DeletionOf(part).question)) return;
    DeleteLayer(part, row);
}

bool CWxDlg::DeleteLayer(DeletedPart part, int position) {
    if (currentFile_.empty() || position < 0) return false;
    const auto record = static_cast<size_t>(recordNumber_);
    const std::optional<WxLayerKind> kind = DeletionOf(part).kind;
    const wx::WxError error = kind ? wx::DeleteFileLayer(currentFile_, record, *kind, static_cast<size_t>(position))
                                   : wx::DeleteFileRecord(currentFile_, record);
    const bool deleted = Reported(error);
    ReloadRecord();
    return deleted;
}

}  // namespace wxapp
