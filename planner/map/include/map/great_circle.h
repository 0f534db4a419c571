// Great-circle distance, course and destination on the planner's sphere, and the
// intersection of two radials. Latitudes are north-positive, longitudes WEST-positive;
// distances are nautical miles (one per minute of arc).
#pragma once

#include <cstdint>

namespace trevalo {

// Earth radius in nautical miles: one nautical mile per minute of arc.
inline constexpr double kEarthRadiusNm = 3437.7467707849396;

// Distance in nautical miles between two points given in radians.
double GreatCircleDistance(double lat1, double lon1, double lat2, double lon2);

// Initial true course in degrees (0 up to 360) from point 1 to point 2, both in radians.
// Coincident points and a start at a pole give 0.
double GreatCircleCourse(double lat1, double lon1, double lat2, double lon2);

// Moves the point (degrees) the distance (nautical miles) along the course (degrees).
// The longitude is not wrapped into -180..180.
void GreatCircleDestination(double course, double distance, double& latitude, double& longitude);

// Replaces point 1 by the point where the radial course1 from point 1 meets the radial
// course2 from point 2 (all degrees). When they do not meet ahead of both points a message
// is shown, point 1 is left as it was and the result is false.
bool RadialIntersection(int32_t course1, int32_t course2, double& latitude1, double& longitude1, double latitude2,
                        double longitude2);

}  // namespace trevalo
