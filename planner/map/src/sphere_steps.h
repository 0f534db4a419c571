// Shared steps of the spherical formulas: clamped inverse sines and cosines (rounding can
// push their arguments just outside -1..1) and the move along a great circle.
#pragma once

#include <algorithm>
#include <cmath>

namespace trevalo::detail {

inline double ClampedAcos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }
inline double ClampedAsin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }

// Latitude reached from lat1 after the angular distance along the course (radians).
inline double LatitudeReached(double lat1, double course, double distance) {
    return ClampedAsin(std::sin(lat1) * std::cos(distance) + std::cos(lat1) * std::sin(distance) * std::cos(course));
}

// Westward longitude change of that move (law of sines at the reached latitude). At a pole
// every longitude is the same point, so none is needed.
inline double LongitudeChange(double course, double distance, double latitudeReached) {
    const double cosLatitude = std::cos(latitudeReached);
    if (cosLatitude == 0.0) return 0.0;
    return ClampedAsin(std::sin(course) * std::sin(distance) / cosLatitude);
}

}  // namespace trevalo::detail
