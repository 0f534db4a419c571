// Texts of the main frame's cursor-position panes, from arc-seconds (east and north
// positive): hemisphere letter, degrees, '"', minutes, "'", seconds, "'".
#pragma once

#include <cstdint>
#include <string>

namespace trevalo {

inline constexpr const char* kOutOfMapText = "*Out of Map*";

// "*Out of Map*" beyond 180 degrees east or west (the margins round the map).
std::string FormatLongitudePane(std::int32_t arcSeconds);
// "*Out of Map*" outside 89 degrees south .. 89 degrees north (whole degrees).
std::string FormatLatitudePane(std::int32_t arcSeconds);

}  // namespace trevalo
