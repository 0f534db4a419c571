// Small text helpers of the map dialogs.
#pragma once

#include <string>
#include <string_view>

#include "platform/text.h"

namespace trevalo::mapdialogs_detail {

using platform::Format;
using platform::Trimmed;
inline std::string UpperCased(std::string_view text) { return platform::UpperCased(std::string(text)); }

// A dialog template's static text as the user sees it: "&&" stands for one "&".
std::string StaticText(std::string_view templateText);

}  // namespace trevalo::mapdialogs_detail
