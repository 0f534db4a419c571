#include "maparithmetic/rubber_band_zoom.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(RubberBandZoomTest, ABandNarrowerThanEightMarginsIsAClick) {
    EXPECT_FALSE(IsZoomBand(23, 3));
    EXPECT_TRUE(IsZoomBand(24, 3));
    EXPECT_TRUE(IsZoomBand(-24, 3));
}

TEST(RubberBandZoomTest, TheLimitingDimensionGivesTheZoom) {
    const struct {
        const char* what;
        platform::Size window, band;
        long long expected;
    } cases[] = {
        {"width limits", {2000, -1000}, {500, -100}, 4000},
        {"height limits", {2000, -1000}, {500, -500}, 2000},
        {"zero height zooms by the width", {2000, -1000}, {400, 0}, 5000},
        {"no size keeps the zoom", {2000, -1000}, {0, 0}, 1000},
    };
    for (const auto& c : cases) EXPECT_EQ(ZoomForBand(1000, c.window, c.band), c.expected) << c.what;
}

}  // namespace
}  // namespace trevalo
