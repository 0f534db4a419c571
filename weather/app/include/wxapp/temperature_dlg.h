// "New Temperature" / "Edit Temperature" (dialog 133): one temperature layer, its altitude in feet.
#pragma once

#include "wx/layer_values.h"
#include "wxapp/layer_dlg.h"

namespace wxapp {

class CTemperatureDlg : public CLayerDlg<wx::TemperatureValues> {
public:
    enum Control : int { kAltitude = 1026, kDayTemperature = 1027, kDayNightVariation = 1028, kDewPoint = 1029 };

    explicit CTemperatureDlg(const wx::WeatherRules& rules, QWidget* parent = nullptr);
};

}  // namespace wxapp
