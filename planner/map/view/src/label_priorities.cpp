#include "mapview/label_priorities.h"

#include <algorithm>
#include <string_view>

namespace trevalo {

bool LabelPriorities::InRoute(const char* ident) const {
    return std::binary_search(routeIdents.begin(), routeIdents.end(), std::string_view(ident),
                              [](std::string_view a, std::string_view b) { return a < b; });
}

LabelPriorities LabelPrioritiesFor(std::span<const CRoutePoint> route, const std::optional<PlanePosition>& plane) {
    LabelPriorities priorities;
    for (const CRoutePoint& point : route)
        if (!point.ident.empty()) priorities.routeIdents.push_back(point.ident);
    std::sort(priorities.routeIdents.begin(), priorities.routeIdents.end());
    priorities.routeIdents.erase(std::unique(priorities.routeIdents.begin(), priorities.routeIdents.end()),
                                 priorities.routeIdents.end());
    priorities.plane = plane;
    return priorities;
}

}  // namespace trevalo
