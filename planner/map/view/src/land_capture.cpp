#include "mapview/land_capture.h"

#include <algorithm>
#include <cstdio>

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kMarkerValue = -9999.0;
constexpr const char* kLandFileNotWritten =
    "The Land file '%s', could not be written\nPlease ensure that the system has full access to the file\n";

}  // namespace

std::string LandRecord(double w, double x, double y, double z) {
    char text[256];
    std::snprintf(text, sizeof text, "w:%04.06f\nx:%04.06f\ny:%04.06f\nz:%04.06f\n", w, x, y, z);
    return text;
}

std::optional<std::string> LandCapture::AddPoint(MapPoint point) {
    points_[count_] = point;
    if (++count_ < kPoints) return std::nullopt;
    count_ = 0;
    const auto degrees = [](double arcSeconds) { return arcSeconds / kArcSecondsPerDegree; };
    const MapPoint& a = points_[1];
    const MapPoint& b = points_[2];
    return LandRecord(kMarkerValue, kMarkerValue, degrees(points_[0].longitude), degrees(points_[0].latitude)) +
           LandRecord(degrees(std::min(a.longitude, b.longitude)), degrees(std::min(a.latitude, b.latitude)),
                      degrees(std::max(a.longitude, b.longitude)), degrees(std::max(a.latitude, b.latitude)));
}

bool AppendToLandFile(const std::string& baseDirectory, const std::string& records) {
    return platform::AppendFileBytes(baseDirectory + kCaptureLandFile, records);
}

bool CaptureToLandFile(const std::string& baseDirectory, const std::string& records) {
    if (AppendToLandFile(baseDirectory, records)) return true;
    platform::MessageBox(platform::Format(kLandFileNotWritten, kCaptureLandFile), {}, platform::MbIcon::Information);
    return false;
}

}  // namespace trevalo
