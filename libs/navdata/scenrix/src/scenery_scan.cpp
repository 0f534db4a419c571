#include "scenery_scan.h"

#include "navdata/line_widths.h"
#include "runway_ends.h"

namespace scenrix::detail {

void SceneryScan::AddNavaidLine(std::string line) {
    if (line.size() > navdata::kNavaidLineWidth) line.resize(navdata::kNavaidLineWidth);
    line += '\n';
    navaidKeys_.push_back(MakeNavaidKey(line));
    navaidLines_.push_back(std::move(line));
}

void SceneryScan::AddAirportLine(ScannedRunway& runway, const AirportTexts& airport) {
    FillRunwayEnds(runway, logs_);
    std::string line = ComposeRunwayLine(runway, airport);
    airportKeys_.push_back(MakeAirportKey(line));
    airportLines_.push_back(std::move(line));
}

void SceneryScan::AddIlsLine(std::string line) { ilsLines_.push_back(std::move(line)); }

// The known airport lines alone are the keys: runways of one file are never tested
// against one another.
void SceneryScan::AddUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                                  std::vector<std::string>& airportLines, const std::vector<std::string>& knownNavaids,
                                  const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    navaidLines.clear();
    airportLines.clear();
    NavaidKeys navaids(indexes.navaids, knownNavaids);
    AirportKeys airports(indexes.airports, knownAirports);
    IlsList ils(indexes.ils, ilsLines);
    for (std::size_t i = 0; i < navaidLines_.size(); ++i) {
        if (i + kPrefetchDistance < navaidKeys_.size()) navaids.Prefetch(navaidKeys_[i + kPrefetchDistance]);
        if (navaids.Add(navaidKeys_[i])) navaidLines.push_back(std::move(navaidLines_[i]));
    }
    for (std::size_t i = 0; i < airportLines_.size(); ++i) {
        if (i + kPrefetchDistance < airportKeys_.size()) airports.Prefetch(airportKeys_[i + kPrefetchDistance]);
        if (!airports.IsKnown(airportKeys_[i])) airportLines.push_back(std::move(airportLines_[i]));
    }
    for (std::string& line : ilsLines_) ils.Add(std::move(line));
    if (!navaidLines.empty()) navaids.HandOut(navaidLines.back());
    if (!airportLines.empty()) airports.HandOut(airportLines.back());
}

}  // namespace scenrix::detail
