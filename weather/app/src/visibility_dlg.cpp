#include "wxapp/visibility_dlg.h"

namespace wxapp {

using wx::VisibilityValues;

CVisibilityDlg::CVisibilityDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add new Visibility", "Edit Visibility"}, parent) {
    AddNumber("Bottom", kBottom, &VisibilityValues::bottom);
    AddNumber("Top", kTop, &VisibilityValues::top);
    AddNumber("Range", kRange, &VisibilityValues::range);
}

}  // namespace wxapp
