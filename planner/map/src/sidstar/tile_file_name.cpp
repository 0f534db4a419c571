#include <cmath>

#include "map/sidstar_tile_file.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kFolderName = "SidStar\\";
constexpr const char* kFileNameFormat = "LAT%s%03dLON%s%03d.adf";
constexpr double kMaxLatitude = 90.0;
constexpr double kMaxLongitude = 180.0;

// Whole degrees of the absolute value; a value that is not finite counts as 0.
int WholeDegrees(double value, double limit) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::fmin(std::fabs(value), limit));
}

bool IsNegative(double value) { return std::isfinite(value) && value < 0.0; }

}  // namespace

std::string SidStarFolder(const std::string& baseDirectory) {
    std::string folder = baseDirectory;
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder + kFolderName;
}

std::string MakeTileFileName(double latitude, double westLongitude) {
    return platform::Format(kFileNameFormat, IsNegative(latitude) ? "S" : "N", WholeDegrees(latitude, kMaxLatitude),
                            IsNegative(westLongitude) ? "E" : "W", WholeDegrees(westLongitude, kMaxLongitude));
}

std::string TileFilePath(const std::string& baseDirectory, double latitude, double westLongitude) {
    return SidStarFolder(baseDirectory) + MakeTileFileName(latitude, westLongitude);
}

}  // namespace trevalo
