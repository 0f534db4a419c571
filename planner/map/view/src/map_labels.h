// The idents of the map's layers, gathered before any is written so that the route's
// idents are placed first and the others, layer by layer, where room is left.
#pragma once

#include <vector>

#include "map/nav_database.h"
#include "mapview/label_priorities.h"
#include "mapview/map_frame.h"
#include "qtplatform/device_context.h"

namespace trevalo::map_detail {

struct MapLabel {
    qtplatform::Point anchor;  // the text's top-left corner, logical
    const char* text;
    qtplatform::ColorRef color;
    double rank = 0;  // airports: the longest runway, the longer placed first
};

struct LabelLists {
    std::vector<MapLabel> route;   // idents of the route's points
    std::vector<MapLabel> others;  // airports', then navaids', then ILS idents

    MapLabel& Add(bool inRoute, const MapLabel& label) {
        std::vector<MapLabel>& list = inRoute ? route : others;
        list.push_back(label);
        return list.back();
    }
};

// Each layer's idents at points in view, as its switches and the zoom show them.
void GatherAirportLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                         LabelLists& labels);
void GatherNavaidLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                        LabelLists& labels);
void GatherIlsLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                     LabelLists& labels);

}  // namespace trevalo::map_detail
