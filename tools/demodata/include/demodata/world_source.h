// The demo world read from its public sources: the airports and runways of the airport
// database, each airport with the magnetic variation its runway numbers give, and the
// navaids and ILS of the nav.dat navaid file. The demo's base directory and its
// stand-in simulator installation are both written from it, so that a scan of the
// installation gives back what the base directory holds.
#pragma once

#include <optional>
#include <string>

#include "fsinstall/scenery_content.h"

namespace demodata {

struct DemoWorldSources {
    std::string airportDatabase;  // host path of airports.sqlite
    std::string navaidFile;       // host path of nav.dat; empty: no navaids
    int everyAirport = 1;         // every n-th airport only
};

struct DemoWorld {
    fsinstall::SceneryContent content;  // texts single-byte
    std::string navaidSummary;          // what was taken from the navaid file and what was left out; empty without it
};

// nullopt with a message in error when a source cannot be read.
std::optional<DemoWorld> ReadDemoWorld(const DemoWorldSources& sources, std::string& error);

}  // namespace demodata
