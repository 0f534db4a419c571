// The map's layers drawn through the platform's device context, and straight with the
// painter where a frame repeats a drawing thousands of times: the static ones (the
// background, the outline tiles, the graticule, airports, navaids and ILS beams, reached
// through the 10-degree grid cells in view), the idents over them, and the route drawn
// over both.
#pragma once

#include <QPainter>
#include <optional>
#include <span>
#include <vector>

#include "map/nav_database.h"
#include "map/route_point.h"
#include "map/route_ports.h"
#include "mapview/label_priorities.h"
#include "mapview/map_frame.h"
#include "mapview/map_image_cache.h"
#include "qtplatform/device_context.h"

namespace trevalo {

namespace map_colors {
inline constexpr qtplatform::ColorRef kBackground = qtplatform::Rgb(201, 226, 231);
inline constexpr qtplatform::ColorRef kLand = qtplatform::Rgb(192, 160, 111);
inline constexpr qtplatform::ColorRef kGraticule = qtplatform::Rgb(192, 192, 192);
inline constexpr qtplatform::ColorRef kBlack = qtplatform::Rgb(0, 0, 0);
inline constexpr qtplatform::ColorRef kGreen = qtplatform::Rgb(0, 255, 0);
inline constexpr qtplatform::ColorRef kDarkGreen = qtplatform::Rgb(0, 128, 0);
inline constexpr qtplatform::ColorRef kBlue = qtplatform::Rgb(0, 0, 255);
inline constexpr qtplatform::ColorRef kRed = qtplatform::Rgb(255, 0, 0);
}  // namespace map_colors

namespace map_detail {
class MapCanvas;
}

class MapLayers {
public:
    explicit MapLayers(const NavDatabase& database) : database_(database) {}

    // Background, outline tiles, graticule, airports, navaids and ILS beams, without their
    // idents, drawn with the painter (on the map's image) from its top-left corner.
    // labelFont: the label font, or none to keep the device context's.
    void DrawStatic(QPainter& painter, const MapFrame& frame, const std::optional<qtplatform::Font>& labelFont) const;
    // The idents of airports, navaids and ILS where the zoom and the switches show them,
    // each left out where it would cover one already written or the plane; the route's
    // idents first, then the airports', the navaids' and the ILS'.
    void DrawLabels(QPainter& painter, const MapFrame& frame, const std::optional<qtplatform::Font>& labelFont,
                    const LabelPriorities& priorities) const;
    // Whether the frame shows idents at all.
    static bool ShowsLabels(const MapFrame& frame);
    // The static layers with the idents over them at a resolution, from the cache unless
    // the frame, the font or the priorities changed.
    const QImage& CachedImage(MapImageCache& cache, const MapFrame& frame, QSize pixels, int dpi,
                              const std::optional<qtplatform::Font>& labelFont,
                              const LabelPriorities& priorities) const;

    // The route's legs and its lone navaids.
    void DrawRoute(qtplatform::DeviceContext& dc, const MapFrame& frame, std::span<const CRoutePoint> points) const;
    // The flight-plan page's trip, while its switch is on: red lines between its entries,
    // with circles from zoom 59.
    void DrawRouteMarks(qtplatform::DeviceContext& dc, const MapFrame& frame,
                        const std::vector<RouteListEntry>& entries) const;

private:
    void DrawMapShapes(map_detail::MapCanvas& canvas) const;
    void DrawGraticule(map_detail::MapCanvas& canvas) const;
    void DrawAirports(map_detail::MapCanvas& canvas) const;
    void DrawRunwayLines(map_detail::MapCanvas& canvas, const VisibleCells& cells) const;
    void DrawNavaids(map_detail::MapCanvas& canvas) const;
    void DrawIlsCones(map_detail::MapCanvas& canvas) const;

    const NavDatabase& database_;
};

}  // namespace trevalo
