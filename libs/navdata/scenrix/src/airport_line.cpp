#include "airport_line.h"

#include "navdata/record_lines.h"

namespace scenrix::detail {

std::string ComposeAirportLine(const CAirportStruct& r) {
    return navdata::ComposeAirportLine({r.city, r.country, r.airportName, r.airportIdent, r.elevation,
                                        r.latitude, r.longitude, r.atisFrequency, r.runwayHeading,
                                        r.runwayLength, r.surfaceName, r.ilsFrequency, r.ilsIdent,
                                        r.sideAndMagVar, r.runwayStartLatitude, r.runwayEndLatitude,
                                        r.runwayStartLongitude, r.runwayEndLongitude});
}

}  // namespace scenrix::detail
