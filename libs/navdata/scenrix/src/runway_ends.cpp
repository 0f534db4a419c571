#include "runway_ends.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "navdata/angle_text.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "scenrix/rounding.h"

namespace scenrix::detail {

namespace {

constexpr double kRadiansPerArcMinute = 0.0002908882086657216;
constexpr double kDegreesPerRadian = 57.29577951308232;
// Runway length units per arc minute of offset from the centre.
constexpr double kLengthPerArcMinute = 6562.0;
constexpr int kOppositeRunwayNumbers = 18;

void AppendToLog(const char* path, const std::string& text) {
    if (text.empty()) return;
    platform::TextFile log;
    if (log.Open(path, platform::TextFile::Mode::Append)) {
        log.WriteString(text);
    }
}

// The variation the log takes: the side text read from its second character on.
double LoggedVariation(const ScannedRunway& runway) {
    if (!runway.hasSide) return 0.0;
    if (*runway.sideLetter != '\0') return SixDecimals(runway.variation);
    const std::string text = platform::FixedText(runway.variation);
    return text.size() > 1 ? platform::LeadingDouble(std::string_view(text).substr(1)) : 0.0;
}

// printf's "id=%s\nrn=%s%d\nlat=%f\nlon=%f\n" into a buffer of 512.
void LogCorrection(const ScannedRunway& runway, double latitude, double longitudeWest, std::string& log) {
    constexpr std::size_t kRecordLimit = 511;
    const char letter = *runway.sideLetter;
    const bool shown = letter == 'L' || letter == 'R' || letter == 'C';
    const int number = scenrix::round((static_cast<int>(runway.heading) - LoggedVariation(runway)) * 0.1);
    const std::size_t start = log.size();
    log.append("id=").append(runway.ident).append("\nrn=");
    log += shown ? letter : ' ';
    log.append(platform::IntText(number)).append("\nlat=").append(platform::FixedText(latitude));
    log.append("\nlon=").append(platform::FixedText(longitudeWest)).append("\n");
    if (log.size() - start > kRecordLimit) log.resize(start + kRecordLimit);
}

}  // namespace

void RunwayLogs::Write() {
    AppendToLog(kCorrectionsLogPath, corrections);
    AppendToLog(kInvalidRunwayLogPath, invalidRunways);
    corrections.clear();
    invalidRunways.clear();
}

GreatCircleOffsets::GreatCircleOffsets(double distance, double latitude, double longitude)
    : moves_(distance != 0.0), latitude_(latitude), longitude_(longitude) {
    const double d = distance * kRadiansPerArcMinute;
    const double lat1 = latitude / kDegreesPerRadian;
    longitudeRadians_ = longitude / kDegreesPerRadian;
    sinLatitude_ = std::sin(lat1);
    cosLatitude_ = std::cos(lat1);
    sinDistance_ = std::sin(d);
    cosDistance_ = std::cos(d);
}

void GreatCircleOffsets::Along(double course, double& latitude, double& longitude) const {
    latitude = latitude_;
    longitude = longitude_;
    if (!moves_) {
        return;
    }
    const double c = course / kDegreesPerRadian;
    const double lat2 = std::asin(sinLatitude_ * cosDistance_ + cosLatitude_ * sinDistance_ * std::cos(c));
    const double lon2 = longitudeRadians_ - std::asin(std::sin(c) * sinDistance_ / cosLatitude_);
    latitude = lat2 * kDegreesPerRadian;
    longitude = lon2 * kDegreesPerRadian;
}

void FillRunwayEnds(ScannedRunway& runway, RunwayLogs& logs) {
    if (runway.start.set && runway.end.set) {
        return;
    }
    const double centreLatitude = LatitudeTextDegrees(runway.latitude);
    const double centreLongitude = LongitudeTextDegrees(runway.longitude);  // west positive
    // A side field that begins with its letter reads as no variation.
    const double variation = runway.hasSide && *runway.sideLetter == '\0' ? SixDecimals(runway.variation) : 0.0;
    const double course = runway.heading - variation;
    // A real division: a whole-number one would put the ends of every runway shorter
    // than 6562 at its centre.
    const double distance = runway.length / kLengthPerArcMinute;

    const GreatCircleOffsets fromCentre(distance, centreLatitude, centreLongitude);
    double endLatitude = 0.0;
    double endLongitude = 0.0;
    fromCentre.Along(course, endLatitude, endLongitude);
    double startCourse = course + 180.0;
    if (startCourse > 360.0) {
        startCourse -= 360.0;
    }
    double startLatitude = 0.0;
    double startLongitude = 0.0;
    fromCentre.Along(startCourse, startLatitude, startLongitude);

    if (!runway.end.set) runway.end = {true, endLatitude, -endLongitude};
    if (!runway.start.set) runway.start = {true, startLatitude, -startLongitude};
    LogCorrection(runway, endLatitude, endLongitude, logs.corrections);
}

void LogInvalidRunway(const std::string& ident, double runwayHeading, double recordHeading, RunwayLogs& logs) {
    // Whole-number division: the runway number of a heading.
    const int number = static_cast<int>(runwayHeading) / 10;
    const int opposite = number < 19 ? number + kOppositeRunwayNumbers : number - kOppositeRunwayNumbers;
    char text[512];
    std::snprintf(text, sizeof text, "%-5s, %02d/%02d, %15f\n", ident.c_str(), number, opposite, recordHeading);
    logs.invalidRunways += text;
}

}  // namespace scenrix::detail
