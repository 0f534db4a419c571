#include "wxapp/cloud_dlg.h"

namespace wxapp {

using wx::CloudValues;
namespace rules = wx::rules;

CCloudDlg::CCloudDlg(const wx::WeatherRules& rules, QWidget* parent)
    : CLayerDlg(rules, {"Add New Cloud", "Edit Cloud"}, parent) {
    AddChoice("Cloud Type", kCloudType, rules::kCloudTypeNames, &CloudValues::type,
              "The clouds previously selected no longer exist\nPlease check your rules");
    AddChoice("Coverage", kCoverage, rules::kCoverageNames, &CloudValues::coverage, nullptr);
    AddNumber("Bottom", kBottom, &CloudValues::bottom);
    AddNumber("Top", kTop, &CloudValues::top);
    AddNumber("Deviation", kDeviation, &CloudValues::deviation);
    AddChoice("Turbulence", kTurbulence, rules::kCloudTurbulenceNames, &CloudValues::turbulence,
              "The turbulence previously selected no longer exist\nPlease check your rules");
    AddChoice("Icing", kIcing, rules::kIcingNames, &CloudValues::icing,
              "The icing previously selected no longer exist\nPlease check your rules");
    AddChoice("Rain Type", kRainType, rules::kRainTypeNames, &CloudValues::rainType,
              "The rain rate previously selected no longer exist\nPlease check your rules");
    AddChoice("Rain Rate", kRainRate, rules::kRainRateNames, &CloudValues::rainRate,
              "The rain rate previously selected no longer exist\nPlease check your rules");
    AddNumber("Base", kRainBase, &CloudValues::rainBase);
    AddNumber("Reserved", kReserved, &CloudValues::reserved);
}

}  // namespace wxapp
