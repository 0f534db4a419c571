// Route records as the map view hands them to the flight-plan page, for the tests.
#pragma once

#include <string>

#include "flightplan/route_record.h"
#include "navdata_testing/scenery_lines.h"

namespace trevalo::testing {

inline RouteRecord Airport(const std::string& ident, const std::string& name, const std::string& latitude,
                           const std::string& longitude, int elevation = 350) {
    navdata::testing::AirportFields fields;
    fields.ident = ident;
    fields.name = name;
    fields.latitude = latitude;
    fields.longitude = longitude;
    RouteRecord record;
    record.altitude = elevation;
    record.ident = ident;
    record.type = kAirportRecordType;
    record.latitude = latitude;
    record.longitude = longitude;
    record.recordLine = navdata::testing::SceneryAirportLine(fields);
    return record;
}

inline RouteRecord Navaid(const std::string& ident, const std::string& type, const std::string& latitude,
                          const std::string& longitude, const std::string& extra = {}) {
    navdata::testing::NavaidFields fields;
    fields.ident = ident;
    fields.latitude = latitude;
    fields.longitude = longitude;
    RouteRecord record;
    record.altitude = 450;
    record.ident = ident;
    record.type = type;
    record.latitude = latitude;
    record.longitude = longitude;
    record.routeText = fields.name;
    record.recordLine = navdata::testing::SceneryNavaidLine(fields);
    record.extra = extra;
    return record;
}

inline RouteRecord ProcedurePoint(const std::string& latitude, const std::string& longitude) {
    RouteRecord record;
    record.altitude = 0;
    record.ident = "USER";
    record.type = kProcedureRecordType;
    record.latitude = latitude;
    record.longitude = longitude;
    return record;
}

}  // namespace trevalo::testing
