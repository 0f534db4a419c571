#include "wxapp/winds_dlg.h"

namespace wxapp {

using wx::WindValues;
namespace rules = wx::rules;

namespace {
constexpr const char* kTurbulencesMissing =
    "The turbulences previously selected no longer exist\nPlease check your rules";
constexpr int kLastDirection = 359;
}  // namespace

CWindsDlg::CWindsDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add New Winds", "Edit Winds"}, parent) {
    AddNumber("Upper Alt", kUpperAltitude);
    AddNumber("Direction", kDirection);
    AddNumber("Speed", kSpeed);
    AddNumber("Gutsy", kGusts);
    AddChoice("Turbulence", kTurbulence, rules::kWindTurbulenceNames, &WindValues::turbulence, kTurbulencesMissing);
    AddChoice("Shear", kShear, rules::kShearNames, &WindValues::shear, kTurbulencesMissing);
    AddNumber("Reserved", kReserved);
}

void CWindsDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Int(kDirection, values_.direction);
    dx.MinMaxInt(values_.direction, 0, kLastDirection);
    dx.Int(kGusts, values_.gusts);
    dx.Int(kReserved, values_.reserved);
    dx.Int(kSpeed, values_.speed);
    dx.Int(kUpperAltitude, values_.upperAltitude);
}

}  // namespace wxapp
