// For the real-time tests: a loaded database of one airport (elevation 433 ft) and one
// navaid, and a route to put departure points on.
#pragma once

#include <memory>

#include "map/route.h"
#include "nav_world.h"

namespace trevalo::testing {

class DepartureWorld {
public:
    DepartureWorld() {
        navdata::testing::AirportFields airport;
        airport.elevation = 433;
        airportNumber = files_.AddAirport(airport);
        navaidNumber = files_.AddNavaid({});
        database = files_.Load();
        route = std::make_unique<Route>(*database);
    }

    // A point at 47.5 N, 122.25 W, course 340, of the kind and record number.
    void AddPoint(double type, int number) {
        CRoutePoint point;
        point.type = type;
        point.databaseNumber = number;
        point.x = -440100;
        point.y = 171000;
        point.course = 340;
        route->Points().push_back(point);
    }

private:
    platform::testing::TempEnvironment env_;
    WorldFiles files_{env_};

public:
    int airportNumber = 0;
    int navaidNumber = 0;
    std::unique_ptr<NavDatabase> database;
    std::unique_ptr<Route> route;
};

}  // namespace trevalo::testing
