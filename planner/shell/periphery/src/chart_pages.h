// The two kinds of chart page, drawn on a device context in 0.1 mm units with y growing
// upward; w and h are the page's right and bottom (h negative).
#pragma once

#include <vector>

#include "map/route_point.h"
#include "periphery/chart_facts.h"
#include "qtplatform/device_context.h"

namespace trevalo {

void DrawFlightPlanPage(qtplatform::DeviceContext& dc, int w, int h, const std::vector<CRoutePoint>& points);
void DrawApproachPage(qtplatform::DeviceContext& dc, int w, int h, const ApproachFacts& facts);

}  // namespace trevalo
