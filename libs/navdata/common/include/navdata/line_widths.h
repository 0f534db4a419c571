// Widths of the three kinds of navigation record line, without their line end.
#pragma once

#include <cstddef>

namespace navdata {

inline constexpr std::size_t kAirportLineWidth = 335;
inline constexpr std::size_t kNavaidLineWidth = 170;
inline constexpr std::size_t kIlsLineWidth = 92;

}  // namespace navdata
