// The briefing file <title>.brf that the simulator shows before the flight, made from
// the briefing page's switches and texts, and the page's time estimate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "adf/wizard_values.h"

namespace adf {

inline constexpr const char* kBriefingNotCreatedMessage = "The Briefing file could not be created";
// Minutes added to the flight time for taxi, take-off and landing.
inline constexpr int kGroundMinutes = 15 + 25;

// The estimate for a route of distanceNm between its airports, flown at the number in
// the plane's cruise-speed text (none or empty: 0 knots): "43 mins", "02:40 hr(s)".
// "N/A" for a route of fewer than two points (no distance) or a negative speed.
std::string EstimateText(std::optional<double> distanceNm, std::string_view cruiseSpeedText);

// The file's text, LF line ends; each part only when its switch is on. estimate is
// the computed one, used when the user gave none.
std::string ComposeBriefing(const WizardValues& values, std::string_view estimate);
// Writes the text with CR LF by atomic replace at the path (trimmed); false when the
// path is empty or the file cannot be written.
bool WriteBriefingFile(std::string_view path, std::string_view text);

}  // namespace adf
