// The simulator's plane on the map: a heading symbol at its position, its size shrinking
// as the map zooms in down to a smallest size. The last layer of the map drawing.
#pragma once

#include <vector>

#include "mapview/map_frame.h"
#include "qtplatform/device_context.h"

namespace trevalo {

// Arc-seconds (x east, y north, as the map's points) and degrees true.
struct PlanePosition {
    double x = 0;
    double y = 0;
    double heading = 0;
    bool operator==(const PlanePosition&) const = default;
};

PlanePosition PlanePositionFromDegrees(double latitude, double longitude, double heading);

// Arc-seconds per unit of the symbol at a zoom (per mille): 512 / zoom, never below 0.13.
double PlaneSizeFactor(int zoom);

// One line of the symbol, in arc-seconds: the black outline or the white marks over it.
struct PlaneStroke {
    bool white = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The black nose line and two cross bars, then the white heading ticks (longer each 30
// degrees) and the white nose line.
std::vector<PlaneStroke> PlaneSymbol(const PlanePosition& plane, int zoom);

void DrawSimulatorPlane(qtplatform::DeviceContext& dc, const MapFrame& frame, const PlanePosition& plane);
// The logical rectangle the drawn symbol covers, its pens' widths included (y up).
platform::Rect PlaneSymbolExtent(const MapFrame& frame, const PlanePosition& plane);

}  // namespace trevalo
