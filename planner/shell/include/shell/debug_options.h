// The planner's debug switches, edited by the debug options dialog and read by the map.
#pragma once

#include <cstdint>

namespace trevalo {

inline constexpr std::int32_t kDefaultRectangleSize = 8;

struct DebugOptions {
    std::int32_t drawMapMode = 0;  // the left mouse button creates squares for Land.nav
    std::int32_t doNotLoadAirports = 0;
    std::int32_t doNotLoadNavaids = 0;
    std::int32_t doNotLoadIls = 0;
    std::int32_t loadAllLandFile = 0;
    std::int32_t triangleDraw = 0;  // three points create a triangle
    std::int32_t rectangleSize = kDefaultRectangleSize;
};

}  // namespace trevalo
