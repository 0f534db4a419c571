#include "scenery_scan.h"

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
    std::string line = spareAirports_.Next();
    ComposeRunwayLine(runway, airport, line);
    airports_.keys.push_back(MakeAirportKey(line));
    airports_.hashes.push_back(KeyBytesHash()(airports_.keys.back()));
    airports_.lines.push_back(std::move(line));
}

void SceneryScan::AddIlsLine(std::string line) {
    ils_.hashes.push_back(LineSet::Hash(line));
    ils_.lines.push_back(std::move(line));
}

void SceneryScan::Clear() {
    for (auto* lines : {&navaids_.lines, &airports_.lines, &ils_.lines}) lines->clear();
    navaids_.keys.clear();
    airports_.keys.clear();
    for (auto* hashes : {&navaids_.hashes, &airports_.hashes, &ils_.hashes}) hashes->clear();
    logs_.corrections.clear();
    logs_.invalidRunways.clear();
    // A scan kept for later holds no storage other scans could use.
    for (SpareLines* spare : {&spareNavaids_, &spareAirports_, &spareIls_}) spare->GiveBack();
}

void SceneryScan::AddUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                                  std::vector<std::string>& airportLines, const std::vector<std::string>& knownNavaids,
                                  const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    SceneryScan* const self = this;
    AddUnknownLines({&self, 1}, indexes, navaidLines, airportLines, knownNavaids, knownAirports, ilsLines);
}

void SceneryScan::AddUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                  std::vector<std::string>& navaidLines, std::vector<std::string>& airportLines,
                                  const std::vector<std::string>& knownNavaids,
                                  const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines) {
    navaidLines.clear();
    airportLines.clear();
    Sync(indexes, knownNavaids, knownAirports, ilsLines);
    MoveUnknownLines(parts, indexes, navaidLines, airportLines, ilsLines);
}

void SceneryScan::AppendUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                     std::vector<std::string>& knownNavaids, std::vector<std::string>& knownAirports,
                                     std::vector<std::string>& ilsLines) {
    Sync(indexes, knownNavaids, knownAirports, ilsLines);
    MoveUnknownLines(parts, indexes, knownNavaids, knownAirports, ilsLines);
}

void SceneryScan::Sync(KnownLineIndexes& indexes, const std::vector<std::string>& knownNavaids,
                       const std::vector<std::string>& knownAirports, const std::vector<std::string>& ilsLines) {
    indexes.navaids.Sync(knownNavaids);
    indexes.airports.Sync(knownAirports);
    indexes.ils.Sync(ilsLines);
}

namespace {

// Moves the kept lines of one kind of every part, in the parts' order, as if they were
// one list; linesOf(part) gives a part's lines of that kind.
template <class Index, class LinesOf>
void MoveKeptLinesOfParts(std::span<SceneryScan* const> parts, Index& index, bool onlyKnownDrop, LinesOf linesOf,
                          std::vector<std::string>& to) {
    const std::size_t known = index.Keys().Size();
    std::size_t moved = 0;
    for (SceneryScan* part : parts) {
        auto& lines = linesOf(*part);
        moved += MoveKeptLines(index.Keys(), known, lines.lines, lines.keys, lines.hashes, onlyKnownDrop, to);
    }
    index.ExpectAppended(moved, to);
}

}  // namespace

// The known airport lines alone are the keys: runways of one file are never tested
// against one another.
void SceneryScan::MoveUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                   std::vector<std::string>& navaidLines, std::vector<std::string>& airportLines,
                                   std::vector<std::string>& ilsLines) {
    const auto navaidsOf = [](SceneryScan& part) -> Lines<NavaidKey>& { return part.navaids_; };
    const auto airportsOf = [](SceneryScan& part) -> Lines<AirportKey>& { return part.airports_; };
    MoveKeptLinesOfParts(parts, indexes.navaids, false, navaidsOf, navaidLines);
    MoveKeptLinesOfParts(parts, indexes.airports, true, airportsOf, airportLines);
    std::size_t ils = 0;
    for (SceneryScan* part : parts) {
        ils += AddNewLines(indexes.ils.Keys(), part->ils_.lines, part->ils_.hashes, ilsLines);
    }
    indexes.ils.ExpectAppended(ils, ilsLines);
}

}  // namespace scenrix::detail
