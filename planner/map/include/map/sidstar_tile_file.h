// The SID/STAR tile files: one text file per cell of one degree by one degree under the
// base directory's "SidStar\" folder, named "LAT%s%03dLON%s%03d.adf", holding procedure
// records in any order:
//   "[%03d]" header (a whole line of digits in brackets), then the key lines "aid=",
//   "rnw=", "anm=", "cou=", "aut=", "typ=", "tid=", "tnm=", "tmv=", then the leg lines
//   "t%02d=" of 18 colon-closed fields.
// Keys and legs count only at the start of a line, and any header line ends a record.
// Positions are signed decimal degrees, latitude north-positive, longitude WEST-positive.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "map/sidstar_procedure.h"

namespace trevalo {

// base directory + "\" when it lacks one + "SidStar\".
std::string SidStarFolder(const std::string& baseDirectory);
// "LAT%s%03dLON%s%03d.adf": N for a latitude of 0 or more, else S; W for a longitude of 0
// or more, else E; the whole degrees of the absolute values. -0.5 lies in LATS000.
std::string MakeTileFileName(double latitude, double westLongitude);
std::string TileFilePath(const std::string& baseDirectory, double latitude, double westLongitude);

// One record of a tile file and the lines it spans (its header to its last non-blank
// line).
struct TileRecord {
    Procedure procedure;
    bool legsCut = false;  // the record held more than kMaxProcedureLegs legs
    std::size_t firstLine = 0;
    std::size_t endLine = 0;  // one past the last line
};

struct TileContents {
    std::vector<std::string> lines;  // without line ends
    std::vector<TileRecord> records;

    // The first record of that identity, or null.
    const TileRecord* Find(const ProcedureKey& key) const;
    // The lowest number from 1 up that the airport and runway do not use.
    int FirstFreeNumber(const std::string& airportIdent, const std::string& runway) const;
    // Records 1, 2, ... of the airport and runway up to the first missing number.
    std::vector<const TileRecord*> RunwayRecords(const std::string& airportIdent, const std::string& runway) const;
};

// Reads a tile file's text; CR LF and LF line ends alike.
TileContents ParseTileText(std::string_view text);

enum class TileStatus {
    Ok,
    CannotRead,   // the file exists but cannot be read
    CannotWrite,  // the folder or the file cannot be created or replaced
    TextRefused,  // a text holds a line break, or a leg text a ":"
    NotFound,     // no such record to delete
};

// A missing file reads as an empty one.
TileStatus ReadTileFile(const std::string& path, TileContents& contents);

// Shows the message of a failed status (nothing for Ok and NotFound).
void ReportTileStatus(TileStatus status);

}  // namespace trevalo
