// The crash options of the adventure being prepared, set from the crash options menu.
#pragma once

#include <cstdint>

namespace trevalo {

enum class CrashMode : std::int32_t { Ignore = 0, DetectAndReset = 1, DetectAndShowGraph = 2 };

struct CrashOptions {
    CrashMode mode = CrashMode::Ignore;
    std::uint8_t stressCausesDamage = 0;
    std::uint8_t offRunwayCrash = 0;
    std::uint8_t collideWithScenery = 0;
};

}  // namespace trevalo
