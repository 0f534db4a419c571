// Point storage shared by SidStar and ExtraStar: parallel x and y arrays of
// kSidStarCapacity slots filled from 0 to lastIndex.
#pragma once

#include "scenrix/sid_star.h"

namespace scenrix::detail {

inline bool HoldsPoint(int lastIndex, int i) { return i >= 0 && i <= lastIndex; }

// Appends a point; false when the list is full.
template <class Points>
bool AppendPoint(Points& points, double x, double y) {
    const int next = points.lastIndex + 1;
    if (next >= kSidStarCapacity) {
        return false;
    }
    points.x[next] = x;
    points.y[next] = y;
    points.lastIndex = next;
    return true;
}

template <class Points>
bool ReadPoint(const Points& points, int i, double& x, double& y) {
    if (!HoldsPoint(points.lastIndex, i)) {
        return false;
    }
    x = points.x[i];
    y = points.y[i];
    return true;
}

}  // namespace scenrix::detail
