// What one drawing of the map needs: the projection, the zoom that decides which layers
// and labels show, the logical rectangles of the client area and of the clipping, and the
// display switches.
#pragma once

#include "maparithmetic/line_clipping.h"
#include "maparithmetic/map_projection.h"
#include "mapview/display_switches.h"

namespace trevalo {

struct MapFrame {
    MapProjection projection;  // drawing zoom and origin
    int zoom = kStartZoom;     // the view's zoom (thresholds)
    platform::Rect client;     // logical, the area drawn
    platform::Rect visible;    // logical, the client widened by the margin: every line is clipped to it
    int pixelMargin = 1;       // logical units of one device pixel
    DisplaySwitches switches;

    ClipBox VisibleBox() const { return ClipBox::FromRect(visible); }
};

// The frame of a client rectangle at a zoom, with the rectangle widened by margin units.
MapFrame ScreenFrame(int zoom, const platform::Rect& client, int pixelMargin, const DisplaySwitches& switches);

}  // namespace trevalo
