#include "airport_line.h"

#include <utility>

#include "navdata/record_lines.h"

namespace scenrix::detail {

std::string ComposeAirportLine(CAirportStruct&& r) {
    return navdata::ComposeAirportLine(
        {std::move(r.city), std::move(r.country), std::move(r.airportName), std::move(r.airportIdent),
         std::move(r.elevation), std::move(r.latitude), std::move(r.longitude), std::move(r.atisFrequency),
         std::move(r.runwayHeading), std::move(r.runwayLength), std::move(r.surfaceName), std::move(r.ilsFrequency),
         std::move(r.ilsIdent), std::move(r.sideAndMagVar), std::move(r.runwayStartLatitude),
         std::move(r.runwayEndLatitude), std::move(r.runwayStartLongitude), std::move(r.runwayEndLongitude)});
}

}  // namespace scenrix::detail
