// Buffer sizes of the record lines held by the Scenrix record classes: each is the
// line's length plus its terminator.
#pragma once

#include <cstddef>

namespace scenrix {

inline constexpr std::size_t kAirportLineSize = 336;  // AirportNavLine, 335 characters
inline constexpr std::size_t kNavaidLineSize = 171;   // NavaidNavLine, 170 characters
inline constexpr std::size_t kIlsLineSize = 93;       // IlsNavLine, 92 characters

}  // namespace scenrix
