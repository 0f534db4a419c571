// "Add new Visibility" / "Edit Visibility" (dialog 129): one visibility layer, heights in feet.
#pragma once

#include "wx/layer_values.h"
#include "wxapp/layer_dlg.h"

namespace wxapp {

class CVisibilityDlg : public CLayerDlg<wx::VisibilityValues> {
public:
    enum Control : int { kBottom = 1015, kTop = 1016, kRange = 1017 };

    explicit CVisibilityDlg(const wx::WeatherRules& rules, QWidget* parent = nullptr);
};

}  // namespace wxapp
