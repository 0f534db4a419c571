// The state of one LoadDLLBGL call: the duplicate tests against the builder's lines,
// the lines found so far, and the additions that complete and compose airport lines.
#pragma once

#include <string>
#include <vector>

#include "known_lines.h"
#include "runway_ends.h"
#include "scanned_runway.h"

namespace scenrix::detail {

class SceneryScan {
public:
    // indexes: the reader's indexes of the known lines, brought up to date with the
    // arrays given.
    SceneryScan(KnownLineIndexes& indexes, std::vector<std::string>& navaidLines,
                const std::vector<std::string>& knownNavaids, const std::vector<std::string>& knownAirports,
                std::vector<std::string>& ilsLines);

    // A navaid line (cut to 170 characters) gets its line feed and is kept unless known.
    void AddNavaidLine(std::string line);
    // Completes the runway's ends, composes its airport line and keeps it unless known.
    void AddAirportLine(ScannedRunway& runway, const AirportTexts& airport);
    // Appended to the ILS lines given, unless the same text is there.
    void AddIlsLine(std::string line);

    // The file's new airport lines; the keys of its new lines go to the indexes, for the
    // caller appends these lines to the known ones.
    std::vector<std::string> TakeAirportLines();
    // The logs of this file, written once it has been read.
    RunwayLogs& Logs() { return logs_; }

private:
    void AddAirportLineUnique(std::string line);

    std::vector<std::string>& navaidLines_;
    NavaidKeys navaidKeys_;
    AirportKeys airportKeys_;
    IlsList ils_;
    std::vector<std::string> airportLines_;
    RunwayLogs logs_;
};

}  // namespace scenrix::detail
