#include "wxapp/temperature_dlg.h"

namespace wxapp {

CTemperatureDlg::CTemperatureDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"New Temperature", "Edit Temperature"}, parent) {
    AddNumber("Altitude", kAltitude);
    AddNumber("Day Temp", kDayTemperature);
    AddNumber("Day/Night Var", kDayNightVariation);
    AddNumber("Dew Point", kDewPoint);
}

void CTemperatureDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Int(kAltitude, values_.altitude);
    dx.Int(kDayTemperature, values_.dayTemperature);
    dx.Int(kDewPoint, values_.dewPoint);
    dx.Int(kDayNightVariation, values_.dayNightVariation);
}

}  // namespace wxapp
