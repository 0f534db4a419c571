#include "mapdialogs/holding_summary.h"

#include <utility>

#include "holding_texts.h"

namespace trevalo {

std::string HoldingSummary(const std::vector<CRoutePoint>& points, const CNavaidArray* navaids) {
    std::string summary;
    bool departure = true;
    for (const CRoutePoint& point : points) {
        if (!point.IsAirport()) continue;
        // The first airport departs: it has no holding.
        if (std::exchange(departure, false) || point.holding == kHoldingNotPlaced) continue;
        const mapdialogs_detail::HoldingTexts texts = mapdialogs_detail::HoldingChoiceTexts(point.holding, navaids);
        if (texts.first.empty()) continue;
        if (!summary.empty()) summary += '\n';
        summary += point.ident + ' ' + texts.first;
        if (!texts.second.empty()) summary += ' ' + texts.second;
    }
    return summary;
}

}  // namespace trevalo
