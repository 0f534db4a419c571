// Small text helpers of the route code.
#pragma once

#include <string>
#include <string_view>

#include "platform/text.h"

namespace trevalo::route_detail {

using platform::Format;
using platform::Trimmed;

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}


}  // namespace trevalo::route_detail
