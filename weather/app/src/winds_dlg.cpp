#include "wxapp/winds_dlg.h"

namespace wxapp {

using wx::WindValues;
namespace rules = wx::rules;

namespace {
constexpr const char* kTurbulencesMissing =
    "The turbulences previously selected no longer exist\nPlease check your rules";
constexpr std::pair<int, int> kDirections{0, 359};
}  // namespace

CWindsDlg::CWindsDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add New Winds", "Edit Winds"}, parent) {
    AddNumber("Upper Alt", kUpperAltitude, &WindValues::upperAltitude);
    AddNumber("Direction", kDirection, &WindValues::direction, kDirections);
    AddNumber("Speed", kSpeed, &WindValues::speed);
    AddNumber("Gutsy", kGusts, &WindValues::gusts);
    AddChoice("Turbulence", kTurbulence, rules::kWindTurbulenceNames, &WindValues::turbulence, kTurbulencesMissing);
    AddChoice("Shear", kShear, rules::kShearNames, &WindValues::shear, kTurbulencesMissing);
    AddNumber("Reserved", kReserved, &WindValues::reserved);
}

}  // namespace wxapp
