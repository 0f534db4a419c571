// The sections and keys of the rules file that the weather editor asks for, and the
// families of numbered name keys ("coverage0", "turb_3", ...) behind its choices.
#pragma once

#include <string_view>

#include "wx/wx_layout.h"

namespace wx::rules {

inline constexpr std::string_view kCloud = "[cloud]";
inline constexpr std::string_view kWinds = "[winds]";
inline constexpr std::string_view kVisibility = "[visibility]";
inline constexpr std::string_view kTemperature = "[temperature]";

// The section of a layer kind.
std::string_view SectionOf(WxLayerKind kind);

// Keys of every layer section.
inline constexpr std::string_view kMax = "max";          // most layers of the kind
inline constexpr std::string_view kOverlap = "overlap";  // whether layers may overlap

// [cloud] and [winds] heights; [temperature] uses the altitude pair too.
inline constexpr std::string_view kBottomAlt = "bottom alt";
inline constexpr std::string_view kTopAlt = "top alt";
// [cloud]
inline constexpr std::string_view kBottomBase = "bottom base";
inline constexpr std::string_view kTopBase = "top base";
inline constexpr std::string_view kBottomDev = "bottom dev";
inline constexpr std::string_view kTopDev = "top dev";
// [winds]
inline constexpr std::string_view kGusty = "gusty";
inline constexpr std::string_view kSpeed = "speed";
// [visibility]
inline constexpr std::string_view kRange = "range";
inline constexpr std::string_view kBottom = "bottom";
inline constexpr std::string_view kTop = "top";
// [temperature]
inline constexpr std::string_view kBottomVar = "bottom var";
inline constexpr std::string_view kTopVar = "top var";
inline constexpr std::string_view kBottomDay = "bottom day";
inline constexpr std::string_view kTopDay = "top day";
inline constexpr std::string_view kBottomDew = "bottom dew";
inline constexpr std::string_view kTopDew = "top dew";

// A name that is not offered.
inline constexpr std::string_view kUnknownName = "unknown";

// Names keyed prefix + number, numbers from 0 to count - 1; the count is fixed, or the
// value of totalKey in the same section.
struct NameFamily {
    std::string_view section;
    std::string_view prefix;
    int count = 0;
    std::string_view totalKey = {};
};

// Most names a family counted by a total key offers; a larger total is cut to this.
inline constexpr int kMaxCountedNames = 100;

inline constexpr NameFamily kCoverageNames{kCloud, "coverage", 0, "coverage_tot"};
inline constexpr NameFamily kCloudTypeNames{kCloud, "type", 0, "type_tot"};
inline constexpr NameFamily kCloudTurbulenceNames{kCloud, "turb_", 5};
inline constexpr NameFamily kIcingNames{kCloud, "icing_", 5};
inline constexpr NameFamily kRainRateNames{kCloud, "rain", 7};
inline constexpr NameFamily kRainTypeNames{kCloud, "rty_", 4};
inline constexpr NameFamily kWindTurbulenceNames{kWinds, "turb_", 5};
inline constexpr NameFamily kShearNames{kWinds, "shear_", 5};

}  // namespace wx::rules
