#include "wxapp/visibility_dlg.h"

namespace wxapp {

CVisibilityDlg::CVisibilityDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add new Visibility", "Edit Visibility"}, parent) {
    AddNumber("Bottom", kBottom);
    AddNumber("Top", kTop);
    AddNumber("Range", kRange);
}

void CVisibilityDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Int(kBottom, values_.bottom);
    dx.Int(kRange, values_.range);
    dx.Int(kTop, values_.top);
}

}  // namespace wxapp
