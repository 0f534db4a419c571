#include "wxapp/cloud_dlg.h"

namespace wxapp {

using wx::CloudValues;
namespace rules = wx::rules;

CCloudDlg::CCloudDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add New Cloud", "Edit Cloud"}, parent) {
    AddChoice("Cloud Type", kCloudType, rules::kCloudTypeNames, &CloudValues::type,
              "The clouds previously selected no longer exist\nPlease check your rules");
    AddChoice("Coverage", kCoverage, rules::kCoverageNames, &CloudValues::coverage, nullptr);
    AddNumber("Bottom", kBottom);
    AddNumber("Top", kTop);
    AddNumber("Deviation", kDeviation);
    AddChoice("Turbulence", kTurbulence, rules::kCloudTurbulenceNames, &CloudValues::turbulence,
              "The turbulence previously selected no longer exist\nPlease check your rules");
    AddChoice("Icing", kIcing, rules::kIcingNames, &CloudValues::icing,
              "The icing previously selected no longer exist\nPlease check your rules");
    AddChoice("Rain Type", kRainType, rules::kRainTypeNames, &CloudValues::rainType,
              "The rain rate previously selected no longer exist\nPlease check your rules");
    AddChoice("Rain Rate", kRainRate, rules::kRainRateNames, &CloudValues::rainRate,
              "The rain rate previously selected no longer exist\nPlease check your rules");
    AddNumber("Base", kRainBase);
    AddNumber("Reserved", kReserved);
}

void CCloudDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Int(kRainBase, values_.rainBase);
    dx.Int(kBottom, values_.bottom);
    dx.Int(kDeviation, values_.deviation);
    dx.Int(kReserved, values_.reserved);
    dx.Int(kTop, values_.top);
}

}  // namespace wxapp
