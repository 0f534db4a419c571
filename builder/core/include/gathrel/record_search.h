// Finding an ident on the airport and navaid pages. Fields are compared trimmed.
#pragma once

#include <string>
#include <vector>

namespace gathrel {

// The first navaid line of the ident in the country; else, since scanned navaids have
// no country, the first of the ident in any country. -1 when none.
int FindNavaidLine(const std::vector<std::string>& lines, const std::string& country, const std::string& ident);

// The first navaid line of exactly this country and ident; -1 when none.
int FindNavaidInCountry(const std::vector<std::string>& lines, const std::string& country, const std::string& ident);

struct AirportMatch {
    int index = -1;            // the line of the ident in the country
    int elsewhere = -1;        // else the first line of the ident in another country
    std::string otherCountry;  // that line's country
};

AirportMatch FindAirportLine(const std::vector<std::string>& lines, const std::string& country,
                             const std::string& ident);

// Field texts of a line, trimmed.
std::string NavaidCountryOf(const std::string& line);
std::string NavaidIdentOf(const std::string& line);
std::string AirportCountryOf(const std::string& line);
std::string AirportIdentOf(const std::string& line);

}  // namespace gathrel
