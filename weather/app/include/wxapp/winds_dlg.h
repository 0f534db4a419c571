// "Add New Winds" / "Edit Winds" (dialog 132): one wind layer, its upper altitude in feet.
#pragma once

#include "wx/layer_values.h"
#include "wxapp/layer_dlg.h"

namespace wxapp {

class CWindsDlg : public CLayerDlg<wx::WindValues> {
public:
    enum Control : int {
        kReserved = 1016,
        kShear = 1017,
        kSpeed = 1018,
        kTurbulence = 1019,
        kUpperAltitude = 1020,
        kDirection = 1024,
        kGusts = 1025,
    };

    explicit CWindsDlg(const wx::WeatherRules& rules, QWidget* parent = nullptr);
};

}  // namespace wxapp
