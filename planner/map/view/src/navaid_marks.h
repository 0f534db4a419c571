// The circles and compass roses of the navaids in one frame: each picture (pen, text
// colour, size) drawn once and stamped at every navaid that shows it, as a thousand roses
// would take longer to draw than the rest of the map. A circle takes the very pixels that
// drawing it takes; a rose's ticks and figures may lie a pixel off them, as they are
// rounded to pixels once for all the roses of a picture instead of for each.
#pragma once

#include <map>
#include <optional>
#include <tuple>

#include "map_canvas.h"
#include "map_stamp.h"

namespace trevalo::map_detail {

class NavaidMarks {
public:
    // The painter keeps its clip and transform while the marks are drawn.
    explicit NavaidMarks(MapCanvas& canvas);

    // The navaid's marker at a world point, when in view: above the ILS zoom the compass
    // rose, else a hollow circle of the logical radius (at most 120), in the pen colour and
    // (the rose's figures) the text colour.
    void Draw(double x, double y, int radius, qtplatform::ColorRef pen, qtplatform::ColorRef text);

private:
    using Key = std::tuple<qtplatform::ColorRef, qtplatform::ColorRef, int, int, int>;  // pen, text, radius, size

    Stamp& StampFor(const Key& key);

    MapCanvas& canvas_;
    QImage* image_;  // the painter's, when stamps may be written into it straight
    bool roses_;
    std::map<Key, Stamp> stamps_;
    Key lastKey_;  // of last_, the stamp the navaid before took
    Stamp* last_ = nullptr;
};

}  // namespace trevalo::map_detail
