#include "wxapp/temperature_dlg.h"

namespace wxapp {

using wx::TemperatureValues;

CTemperatureDlg::CTemperatureDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"New Temperature", "Edit Temperature"}, parent) {
    AddNumber("Altitude", kAltitude, &TemperatureValues::altitude);
    AddNumber("Day Temp", kDayTemperature, &TemperatureValues::dayTemperature);
    AddNumber("Day/Night Var", kDayNightVariation, &TemperatureValues::dayNightVariation);
    AddNumber("Dew Point", kDewPoint, &TemperatureValues::dewPoint);
}

}  // namespace wxapp
