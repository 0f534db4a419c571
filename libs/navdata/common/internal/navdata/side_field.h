// The side field of airport and ILS lines: an optional side letter followed at once
// by the magnetic variation in degrees.
#pragma once

#include <string_view>

namespace navdata {

// The field's first character when it is one of `letters`, else 0.
char SideLetter(std::string_view field, std::string_view letters);
// The variation after the side letter, or the whole field without one.
double SideVariation(std::string_view field, std::string_view letters);

}  // namespace navdata
