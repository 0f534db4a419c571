// Names of a cloud layer's rain type and rain rate, as the rules file gives them: the
// values of the keys "rty_0" to "rty_3" or "rain0" to "rain6" of its [cloud] section,
// in key order, with "unknown" for a missing key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wx {

// The name shown for stored number n: the n-th of the values that are neither empty nor
// "unknown" (from 0); the first of them when there is no n-th; empty when none is left.
std::string RuleNameOf(const std::vector<std::string>& keyValues, int32_t n);

// The number stored for a name: the key number of the first usable value equal to name,
// 0 when none is.
int32_t RuleNumberOf(const std::vector<std::string>& keyValues, const std::string& name);

}  // namespace wx
