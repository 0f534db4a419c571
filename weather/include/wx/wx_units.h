// The weather editor's conversions between the file's values and what the user sees:
// heights in feet on screen and metres in the file, values shown truncated, cloud
// coverage stored one higher than shown.
#pragma once

#include <cstdint>

namespace wx {

inline constexpr double kMetresPerFoot = 0.30478513;
inline constexpr double kFeetPerMetre = 3.281;

// A height entered in feet, stored in metres.
float FeetToMetres(double feet);
// The wind upper altitude is stored in whole metres.
float WindAltitudeFromFeet(double feet);
// A stored height shown in feet: converted, then truncated.
int32_t ShownFeet(float metres);
// A stored float shown truncated toward zero.
int32_t ShownValue(float value);

int32_t StoredCoverage(int32_t shownCoverage);
int32_t ShownCoverage(int32_t storedCoverage);

}  // namespace wx
