#include "scenery_scan.h"

#include <iterator>

#include "navdata/line_widths.h"
#include "runway_ends.h"

namespace scenrix::detail {

namespace {

// Moves the lines kept to the end of to, and says how many came.
std::size_t MoveKept(std::vector<std::string>& lines, const std::vector<std::uint8_t>& keep,
                     std::vector<std::string>& to) {
    const std::size_t before = to.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (keep[i]) to.push_back(std::move(lines[i]));
    }
    return to.size() - before;
}

}  // namespace

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

// The known airport lines alone are the keys: runways of one file are never tested
// against one another.
void SceneryScan::AddUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                                  std::vector<std::string>& airportLines, const std::vector<std::string>& knownNavaids,
                                  const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    navaidLines.clear();
    airportLines.clear();
    indexes.navaids.Sync(knownNavaids);
    indexes.airports.Sync(knownAirports);
    indexes.ils.Sync(ilsLines);
    std::vector<std::uint8_t> keep;  // of the lines of one kind
    TestLines(indexes.navaids.Keys(), navaids_.keys, navaids_.hashes, false, keep);
    indexes.navaids.ExpectAppended(MoveKept(navaids_.lines, keep, navaidLines), navaidLines);
    TestLines(indexes.airports.Keys(), airports_.keys, airports_.hashes, true, keep);
    indexes.airports.ExpectAppended(MoveKept(airports_.lines, keep, airportLines), airportLines);
    indexes.ils.ExpectAppended(AddNewLines(indexes.ils.Keys(), ils_.lines, ils_.hashes, ilsLines), ilsLines);
}

}  // namespace scenrix::detail
