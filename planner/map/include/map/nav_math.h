// The planner's navigation arithmetic in one include: great circles and radials, unit
// conversions, angle texts and corrected airport positions.
#pragma once

#include "map/angle_text.h"
#include "map/corrected_airport.h"
#include "map/great_circle.h"
#include "map/unit_conversions.h"
