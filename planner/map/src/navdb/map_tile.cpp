#include "navdb/map_tile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "maparithmetic/polygon_seams.h"

namespace trevalo {

namespace {

constexpr size_t kIntegerBytes = 4;
constexpr size_t kPointBytes = 2 * kIntegerBytes;
constexpr double kLatitudeUnit = 45.0 / 1073741824.0;  // 45 / 2^30 degrees
constexpr double kLongitudeUnit = 45.0 / 536870912.0;  // 45 / 2^29 degrees
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kCellsPerDegree = 0.1;

int32_t LittleEndianInt32(const char* bytes) {
    uint32_t value = 0;
    for (size_t i = 0; i < kIntegerBytes; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return static_cast<int32_t>(value);
}

int32_t CellOf(double degrees) { return static_cast<int32_t>(std::trunc(degrees * kCellsPerDegree)); }

std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

void MapShape::FindSeams() {
    std::vector<PointKey> keys;
    keys.reserve(points.size());
    for (const MapPoint& point : points) keys.push_back({BitsOf(point.longitude), BitsOf(point.latitude)});
    seams = SeamEdges(keys);
    if (std::find(seams.begin(), seams.end(), true) == seams.end()) seams.clear();
}

MapShape DecodeMapTile(std::string_view bytes) {
    MapShape shape;
    shape.points.reserve(bytes.size() / kPointBytes);
    for (size_t at = 0; at + kPointBytes <= bytes.size(); at += kPointBytes) {
        const double latitude = LittleEndianInt32(bytes.data() + at) * kLatitudeUnit;
        const double longitude = LittleEndianInt32(bytes.data() + at + kIntegerBytes) * kLongitudeUnit;
        shape.points.push_back({longitude * kArcSecondsPerDegree, latitude * kArcSecondsPerDegree});
        shape.minLongitude = std::min(shape.minLongitude, CellOf(longitude));
        shape.maxLongitude = std::max(shape.maxLongitude, CellOf(longitude));
        shape.minLatitude = std::min(shape.minLatitude, CellOf(latitude));
        shape.maxLatitude = std::max(shape.maxLatitude, CellOf(latitude));
    }
    shape.FindSeams();
    return shape;
}

}  // namespace trevalo
