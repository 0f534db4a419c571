// File > Print Flight Plan and Preview Flight Plan: the flight-plan chart and one approach
// chart per airport of the route, printed through the print seam.
#pragma once

#include "map/nav_database.h"
#include "map/route.h"
#include "qtplatform/print_target.h"

namespace trevalo {

// The pages as the printing loop asks for them; the database and the route must outlive
// the job.
qtplatform::PrintJob ChartPrintJob(const NavDatabase& database, const Route& route);

}  // namespace trevalo
