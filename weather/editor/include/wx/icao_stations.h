// The simulator's weather stations as the editor offers them: names from
// "Weather\ICAO Name.CFG" (a title line, then one line per station: the ident in columns
// 1 to 4, a separator, the name from column 6) and record numbers from
// "Weather\ICAO POS.BIN" (16-byte records, the ident in the first 4 bytes).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wx {

struct StationName {
    std::string ident;  // without the blanks that pad a short ident
    std::string name;
};

std::string StationNamesPath(const std::string& simFolder);
std::string StationPositionsPath(const std::string& simFolder);

// A line of ICAO Name.CFG after the title; nullopt when it holds no ident.
std::optional<StationName> ParseStationNameLine(const std::string& line);
// Every station of ICAO Name.CFG; nullopt when the file cannot be read.
std::optional<std::vector<StationName>> ReadStationNames(const std::string& simFolder);

// The number of the first whole record of the positions whose ident, cut at a zero byte,
// is ident; -1 when none is.
int32_t FindIcaoIndexIn(std::span<const std::byte> positions, const std::string& ident);
// The same in the simulator's ICAO POS.BIN; -1 when the folder is empty or the file
// cannot be read.
int32_t FindIcaoIndex(const std::string& simFolder, const std::string& ident);

}  // namespace wx
