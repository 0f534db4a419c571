#include "periphery/chart_printing.h"

#include "chart_pages.h"

namespace trevalo {
namespace {
constexpr const char* kChartDocumentName = "Flight Plan";
}  // namespace

qtplatform::PrintJob ChartPrintJob(const NavDatabase& database, const Route& route) {
    qtplatform::PrintJob job;
    job.documentName = kChartDocumentName;
    job.pageCount = ChartPageCount(route.Points());
    job.printPage = [&database, &route](QPainter& painter, int page, const QRect& drawRect) {
        qtplatform::DeviceContext dc(painter);
        dc.SetMapMode(qtplatform::MapMode::LoMetric);
        dc.SetViewportOrg({drawRect.left(), drawRect.top()});
        const qtplatform::Size size = dc.DPtoLP(qtplatform::Size{drawRect.width(), drawRect.height()});
        const int w = size.cx;
        const int h = -size.cy;
        const std::vector<CRoutePoint>& points = route.Points();
        if (page == 1) return DrawFlightPlanPage(dc, w, h, points);
        // A page beyond the airports, or an airport no longer in the database, stays empty.
        const CRoutePoint* point = ApproachPointOfPage(points, page);
        if (point == nullptr) return;
        if (const std::optional<ApproachFacts> facts = ApproachFactsOf(database, *point))
            DrawApproachPage(dc, w, h, *facts);
    };
    return job;
}

}  // namespace trevalo
