// QuilletCorrect.nav of the base directory: user-corrected positions of airport runways,
// records of four lines "id=<ident>", "rn=<runway>", "lat=<degrees>", "lon=<degrees>"
// (decimal degrees, the longitude west-positive as in the scenery log). A record starts
// only where a previous one ended or a line that is none of them was passed. Idents are
// compared trimmed, case counting; runways without blanks, with the number of two digits
// and the side letter after it ("9L", " 09 L" and "L09" are one runway).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo {

inline constexpr const char* kCorrectionsFileName = "QuilletCorrect.nav";

struct AirportCorrection {
    std::string ident;   // trimmed
    std::string runway;  // trimmed
    double latitude = 0;
    double longitude = 0;  // west-positive
};

// A record found among a file's lines, with the index of its "id=" line.
struct FoundCorrection {
    AirportCorrection correction;
    std::size_t firstLine = 0;
};

// The runway as records are compared: no blanks, the number zero-padded to two digits,
// the side letters after it.
std::string RunwayKey(std::string_view runway);

// Every record of the lines, in file order.
std::vector<FoundCorrection> ReadCorrections(const std::vector<std::string>& lines);
// The first record of ident and runway.
std::optional<FoundCorrection> FindCorrection(const std::vector<std::string>& lines, const std::string& ident,
                                              const std::string& runway);
// A record's four lines.
std::vector<std::string> CorrectionLines(const AirportCorrection& correction);

// Finds the record of ident and runway; true with its latitude and longitude (decimal
// degrees as stored) when found. A missing file gives false.
bool LookupCorrectedAirport(const std::string& ident, const std::string& runway, const std::string& baseDirectory,
                            double& latitude, double& longitude);

}  // namespace trevalo
