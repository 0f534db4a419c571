#include "scenery_scan.h"

#include <iterator>

#include "navdata/line_widths.h"
#include "runway_ends.h"

namespace scenrix::detail {

void SceneryScan::AddNavaidLine(std::string line) {
    if (line.size() > navdata::kNavaidLineWidth) line.resize(navdata::kNavaidLineWidth);
    line += '\n';
    navaids_.keys.push_back(MakeNavaidKey(line));
    navaids_.hashes.push_back(KeyBytesHash()(navaids_.keys.back()));
    navaids_.lines.push_back(std::move(line));
}

void SceneryScan::AddAirportLine(ScannedRunway& runway, const AirportTexts& airport) {
    FillRunwayEnds(runway, logs_);
    std::string line = ComposeRunwayLine(runway, airport);
    airports_.keys.push_back(MakeAirportKey(line));
    airports_.hashes.push_back(KeyBytesHash()(airports_.keys.back()));
    airports_.lines.push_back(std::move(line));
}

void SceneryScan::AddIlsLine(std::string line) {
    ils_.hashes.push_back(LineSet::Hash(line));
    ils_.lines.push_back(std::move(line));
}

namespace {

template <typename T>
void MoveAppend(std::vector<T>& from, std::vector<T>& to) {
    if (to.empty()) {
        to.swap(from);
        return;
    }
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

void SceneryScan::Append(SceneryScan&& next) {
    MoveAppend(next.navaids_.lines, navaids_.lines);
    MoveAppend(next.navaids_.keys, navaids_.keys);
    MoveAppend(next.navaids_.hashes, navaids_.hashes);
    MoveAppend(next.airports_.lines, airports_.lines);
    MoveAppend(next.airports_.keys, airports_.keys);
    MoveAppend(next.airports_.hashes, airports_.hashes);
    MoveAppend(next.ils_.lines, ils_.lines);
    MoveAppend(next.ils_.hashes, ils_.hashes);
    logs_.corrections += next.logs_.corrections;
    logs_.invalidRunways += next.logs_.invalidRunways;
}

void SceneryScan::AddUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                                  std::vector<std::string>& airportLines, const std::vector<std::string>& knownNavaids,
                                  const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    navaidLines.clear();
    airportLines.clear();
    Sync(indexes, knownNavaids, knownAirports, ilsLines);
    MoveUnknownLines(indexes, navaidLines, airportLines, ilsLines);
}

void SceneryScan::AppendUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& knownNavaids,
                                     std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    Sync(indexes, knownNavaids, knownAirports, ilsLines);
    MoveUnknownLines(indexes, knownNavaids, knownAirports, ilsLines);
}

void SceneryScan::Sync(KnownLineIndexes& indexes, const std::vector<std::string>& knownNavaids,
                       const std::vector<std::string>& knownAirports, const std::vector<std::string>& ilsLines) {
    indexes.navaids.Sync(knownNavaids);
    indexes.airports.Sync(knownAirports);
    indexes.ils.Sync(ilsLines);
}

// The known airport lines alone are the keys: runways of one file are never tested
// against one another.
void SceneryScan::MoveUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                                   std::vector<std::string>& airportLines, std::vector<std::string>& ilsLines) {
    const std::size_t navaids =
        MoveKeptLines(indexes.navaids.Keys(), navaids_.lines, navaids_.keys, navaids_.hashes, false, navaidLines);
    indexes.navaids.ExpectAppended(navaids, navaidLines);
    const std::size_t airports =
        MoveKeptLines(indexes.airports.Keys(), airports_.lines, airports_.keys, airports_.hashes, true, airportLines);
    indexes.airports.ExpectAppended(airports, airportLines);
    indexes.ils.ExpectAppended(AddNewLines(indexes.ils.Keys(), ils_.lines, ils_.hashes, ilsLines), ilsLines);
}

}  // namespace scenrix::detail
