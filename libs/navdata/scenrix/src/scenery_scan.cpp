#include "scenery_scan.h"

#include "navdata/line_widths.h"
#include "runway_ends.h"

namespace scenrix::detail {

SceneryScan::SceneryScan(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                         const std::vector<std::string>& knownNavaids, const std::vector<std::string>& knownAirports,
                         std::vector<std::string>& ilsLines)
    : navaidLines_(navaidLines),
      navaidKeys_(indexes.navaids, knownNavaids),
      airportKeys_(indexes.airports, knownAirports),
      ils_(indexes.ils, ilsLines) {}

void SceneryScan::AddNavaidLine(std::string line) {
    if (line.size() > navdata::kNavaidLineWidth) line.resize(navdata::kNavaidLineWidth);
    line += '\n';
    if (navaidKeys_.Add(line)) {
        navaidLines_.push_back(std::move(line));
    }
}

void SceneryScan::AddAirportLine(ScannedRunway& runway, const AirportTexts& airport) {
    FillRunwayEnds(runway, logs_);
    AddAirportLineUnique(ComposeRunwayLine(runway, airport));
}

// The known airport lines alone are the keys: runways of this call are never tested
// against one another.
void SceneryScan::AddAirportLineUnique(std::string line) {
    if (!airportKeys_.IsKnown(line)) {
        airportLines_.push_back(std::move(line));
    }
}

std::vector<std::string> SceneryScan::TakeAirportLines() {
    if (!navaidLines_.empty()) navaidKeys_.HandOut(navaidLines_.back());
    if (!airportLines_.empty()) airportKeys_.HandOut(airportLines_.back());
    return std::move(airportLines_);
}

void SceneryScan::AddIlsLine(std::string line) { ils_.Add(std::move(line)); }

}  // namespace scenrix::detail
