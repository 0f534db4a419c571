// The zoom of a rubber band dragged on the map: the band fills the window in the dimension
// that limits, and a band narrower than 8 pixel margins is a click instead.
#pragma once

#include "platform/geometry.h"

namespace trevalo {

inline constexpr int kZoomBandMargins = 8;

// True when a band of this width (logical units) zooms rather than adds a route point.
bool IsZoomBand(int bandWidth, int pixelMargin);

// The new zoom for a band in a window (both logical sizes, any sign). A band of zero
// height zooms by its width; a band of no size keeps the zoom.
long long ZoomForBand(int zoom, platform::Size window, platform::Size band);

}  // namespace trevalo
