// What the reader finds in one scenery file before the duplicate tests against the
// builder's lines: its lines with their keys, in the order found, and its log records.
// Reading a file touches nothing else, so files may be read on several threads at once.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "known_lines.h"
#include "runway_ends.h"
#include "scanned_runway.h"
#include "spare_lines.h"

namespace scenrix::detail {

class SceneryScan {
public:
    // Storage for the next navaid line, kept from lines of an earlier scan when there are any.
    std::string NavaidLineStorage() { return spareNavaids_.Next(); }
    // A navaid line (cut to 170 characters) gets its line feed.
    void AddNavaidLine(std::string line);
    // Completes the runway's ends and composes its airport line.
    void AddAirportLine(ScannedRunway& runway, const AirportTexts& airport);
    std::string IlsLineStorage() { return spareIls_.Next(); }
    void AddIlsLine(std::string line);
    // The logs of this file, written once it has been read.
    RunwayLogs& Logs() { return logs_; }
    // Empties the lines and logs, keeping the room of their lists.
    void Clear();

    // Empties navaidLines and airportLines and fills them with the lines not known, and
    // appends the new ILS lines to ilsLines, as LoadDLLBGL hands them out: a navaid
    // unless the known ones or one added before it has its key, an airport unless a known
    // one has its key, an ILS line unless its text is there. indexes: the reader's indexes
    // of the known lines, brought up to date with the arrays given. Moves the lines out.
    void AddUnknownLines(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                         std::vector<std::string>& airportLines, const std::vector<std::string>& knownNavaids,
                         const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines);
    // The same over the lines of the parts of one file, in their order, as if they were
    // one scan.
    static void AddUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                std::vector<std::string>& navaidLines, std::vector<std::string>& airportLines,
                                const std::vector<std::string>& knownNavaids,
                                const std::vector<std::string>& knownAirports, std::vector<std::string>& ilsLines);
    // The same, the new navaid and airport lines appended to the known ones themselves.
    static void AppendUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                   std::vector<std::string>& knownNavaids, std::vector<std::string>& knownAirports,
                                   std::vector<std::string>& ilsLines);

private:
    static void Sync(KnownLineIndexes& indexes, const std::vector<std::string>& knownNavaids,
                     const std::vector<std::string>& knownAirports, const std::vector<std::string>& ilsLines);
    // Moves the lines not known to the ends of the arrays given, the indexes synced.
    static void MoveUnknownLines(std::span<SceneryScan* const> parts, KnownLineIndexes& indexes,
                                 std::vector<std::string>& navaidLines, std::vector<std::string>& airportLines,
                                 std::vector<std::string>& ilsLines);

    // The lines of one kind, their keys and the keys' hashes, worked out while the file
    // is read.
    template <class Key>
    struct Lines {
        std::vector<std::string> lines;
        std::vector<Key> keys;
        std::vector<std::size_t> hashes;
    };

    Lines<NavaidKey> navaids_;
    Lines<AirportKey> airports_;
    struct {
        std::vector<std::string> lines;  // each its own key
        std::vector<std::size_t> hashes;
    } ils_;
    RunwayLogs logs_;
    SpareLines spareNavaids_{LineKind::Navaid};
    SpareLines spareAirports_{LineKind::Airport};
    SpareLines spareIls_{LineKind::Ils};
};

}  // namespace scenrix::detail
