// One airport of the facility section: its records become runways (airport lines) and
// ILS lines.
#pragma once

#include "scanned_runway.h"
#include "scenery_bytes.h"
#include "scenery_scan.h"

namespace scenrix::detail {

// An airport keeps at most this many runways; further runway records are ignored.
inline constexpr std::size_t kMaxRunways = 50;

// records: the airport's records, each {type, whole length, data}, up to a type 0 or
// their end. common holds the name, city and country every runway takes.
void ParseAirportFacility(const SceneryBytes& records, const AirportTexts& common, SceneryScan& scan);

}  // namespace scenrix::detail
