// "Add New Cloud" / "Edit Cloud" (dialog 130): one cloud layer, heights in feet.
#pragma once

#include "wx/layer_values.h"
#include "wxapp/layer_dlg.h"

namespace wxapp {

class CCloudDlg : public CLayerDlg<wx::CloudValues> {
public:
    enum Control : int {
        kBottom = 1015,
        kTop = 1016,
        kReserved = 1018,
        kCoverage = 1020,
        kTurbulence = 1022,
        kRainType = 1023,
        kDeviation = 1024,
        kIcing = 1025,
        kRainBase = 1026,
        kRainRate = 1027,
        kCloudType = 1028,
    };

    explicit CCloudDlg(const wx::WeatherRules& rules, QWidget* parent = nullptr);
};

}  // namespace wxapp
