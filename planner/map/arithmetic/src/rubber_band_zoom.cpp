#include "maparithmetic/rubber_band_zoom.h"

#include <cstdlib>

namespace trevalo {

bool IsZoomBand(int bandWidth, int pixelMargin) {
    return std::abs(bandWidth) >= kZoomBandMargins * std::abs(pixelMargin);
}

long long ZoomForBand(int zoom, platform::Size window, platform::Size band) {
    const long long windowWidth = std::llabs(window.cx), windowHeight = std::llabs(window.cy);
    const long long bandWidth = std::llabs(band.cx), bandHeight = std::llabs(band.cy);
    if (bandWidth == 0 && bandHeight == 0) return zoom;
    // The height limits when the window is lower than the band scaled to the window's width.
    const bool heightLimits =
        bandHeight != 0 && (bandWidth == 0 || windowHeight * bandWidth < bandHeight * windowWidth);
    if (heightLimits) return zoom * windowHeight / bandHeight;
    return zoom * windowWidth / bandWidth;
}

}  // namespace trevalo
