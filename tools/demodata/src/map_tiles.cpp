#include "map_tiles.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/numbers.h"

namespace demodata {

namespace {

constexpr double kLatitudeUnits = 1073741824.0 / 45.0;  // 2^30 / 45 per degree
constexpr double kLongitudeUnits = 536870912.0 / 45.0;  // 2^29 / 45 per degree

// 90 N and 180 E lie one unit past the largest integer.
int32_t Units(double degrees, double unitsPerDegree) {
    return platform::SaturatingInt(std::round(degrees * unitsPerDegree));
}

void PutLittleEndian(std::string& bytes, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFFu));
}

}  // namespace

std::string TileBytes(const Ring& ring) {
    std::string bytes;
    bytes.reserve(ring.size() * 8);
    for (const GeoPoint& point : ring) {
        PutLittleEndian(bytes, Units(point.latitude, kLatitudeUnits));
        PutLittleEndian(bytes, Units(point.longitude, kLongitudeUnits));
    }
    return bytes;
}

std::string TileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "Map%05d.tmp", number);
    return name;
}

}  // namespace demodata
