// The map's idents: gathered from the layers, then written one by one where no ident lies
// yet, the route's first; none covers the simulator's plane.
#include <algorithm>
#include <array>
#include <string>

#include "ident_writer.h"
#include "map_canvas.h"
#include "map_labels.h"
#include "maparithmetic/label_grid.h"
#include "mapview/map_layers.h"

namespace trevalo {
namespace {

using map_detail::MapLabel;
using qtplatform::DeviceContext;

// The side of the cells of the label grid: labels keep about this many pixels apart.
constexpr int kLabelCellPixels = 4;

// Text widths summed from the widths of the characters, each measured once a drawing:
// measuring whole texts would cost as much as writing them.
class LabelMeasure {
public:
    explicit LabelMeasure(const DeviceContext& dc) : dc_(dc), height_(dc.GetTextExtent("X").cy) { widths_.fill(-1); }
    int Height() const { return height_; }
    int Width(const char* text) {
        int width = 0;
        for (const char* c = text; *c != '\0'; ++c) width += CharWidth(static_cast<unsigned char>(*c));
        return width;
    }

private:
    int CharWidth(unsigned char c) {
        if (widths_[c] < 0) widths_[c] = dc_.GetTextExtent(std::string(1, static_cast<char>(c))).cx;
        return widths_[c];
    }

    const DeviceContext& dc_;
    int height_;
    std::array<int, 256> widths_{};
};

void Place(const std::vector<MapLabel>& labels, LabelGrid& grid, LabelMeasure& measure,
           map_detail::IdentWriter& writer) {
    for (const MapLabel& label : labels) {
        const platform::Rect box{label.anchor.x, label.anchor.y, label.anchor.x + measure.Width(label.text),
                                 label.anchor.y - measure.Height()};
        if (grid.Claim(box)) writer.Write(label.anchor, label.text, label.color);
    }
}

}  // namespace

bool MapLayers::ShowsLabels(const MapFrame& frame) {
    return frame.zoom > kIdentZoom && (frame.switches.airportIds || frame.switches.navaidIds);
}

void MapLayers::DrawLabels(QPainter& painter, const MapFrame& frame, const std::optional<qtplatform::Font>& labelFont,
                           const LabelPriorities& priorities) const {
    if (!ShowsLabels(frame)) return;
    map_detail::LabelLists labels;
    map_detail::GatherAirportLabels(database_, frame, priorities, labels);
    // Where idents crowd, the large airports keep theirs.
    std::stable_sort(labels.others.begin(), labels.others.end(),
                     [](const MapLabel& a, const MapLabel& b) { return a.rank > b.rank; });
    map_detail::GatherNavaidLabels(database_, frame, priorities, labels);
    map_detail::GatherIlsLabels(database_, frame, priorities, labels);
    map_detail::MapCanvas canvas(painter, frame, labelFont);
    LabelGrid grid(frame.visible, kLabelCellPixels * frame.pixelMargin);
    if (priorities.plane) grid.Reserve(PlaneSymbolExtent(frame, *priorities.plane));
    LabelMeasure measure(canvas.Dc());
    map_detail::IdentWriter writer(canvas);
    Place(labels.route, grid, measure, writer);
    Place(labels.others, grid, measure, writer);
}

}  // namespace trevalo
