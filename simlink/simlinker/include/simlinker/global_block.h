// Fields of the simulator's global variable block that the link reads and writes: byte
// offsets, and the units of the stored values.
#pragma once

#include <cstdint>

namespace simlink::global_block {

constexpr std::uint32_t kHour = 568;               // 1 byte
constexpr std::uint32_t kMinute = 569;             // 1 byte
constexpr std::uint32_t kSecond = 570;             // 1 byte
constexpr std::uint32_t kDayOfYear = 580;          // 2 bytes, unsigned
constexpr std::uint32_t kYear = 582;               // 2 bytes, unsigned
constexpr std::uint32_t kSeason = 590;             // 2 bytes, unsigned, 0 to 3
constexpr std::uint32_t kPause = 616;              // 1 byte, nonzero = paused
constexpr std::uint32_t kGroundSpeed = 692;        // 4 bytes, signed, metres per second x 65536
constexpr std::uint32_t kTrueAirspeed = 696;       // 4 bytes, signed, knots x 128
constexpr std::uint32_t kIndicatedAirspeed = 700;  // 4 bytes, signed, knots x 128
constexpr std::uint32_t kSmoke = 1352;             // 1 byte, nonzero = on
constexpr std::uint32_t kLatitudeLow = 1376;       // 4 bytes, signed
constexpr std::uint32_t kLatitudeHigh = 1380;      // 4 bytes, signed, 90 / 10001750 degree
constexpr std::uint32_t kLongitudeLow = 1384;      // 4 bytes, signed
constexpr std::uint32_t kLongitudeHigh = 1388;     // 4 bytes, signed, 360 / 2^32 degree
constexpr std::uint32_t kAltitude = 1396;          // 4 bytes, whole metres, unsigned
constexpr std::uint32_t kHeading = 1408;           // 4 bytes, signed, 360 / 2^32 degree
constexpr std::uint32_t kSlew = 1492;              // 1 byte, nonzero = on
constexpr std::uint32_t kRate = 3098;              // 2 bytes, unsigned, rate x 256

constexpr double kLatitudeUnitsPerDegree = 10001750.0 / 90.0;
constexpr double kTwoTo32 = 4294967296.0;
constexpr double kAngleUnitsPerDegree = kTwoTo32 / 360.0;
constexpr double kKnotsPerGroundSpeedUnit = 0.000029660713080453565;
constexpr double kAirspeedUnitsPerKnot = 128.0;
constexpr double kRateUnitsPerRate = 256.0;
constexpr double kFeetPerMetre = 3.281;
constexpr double kMetresPerFoot = 0.30478512648582745;

}  // namespace simlink::global_block
