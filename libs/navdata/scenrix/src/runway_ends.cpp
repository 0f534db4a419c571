#include "runway_ends.h"

#include <cmath>
#include <cstdio>

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

bool StartsWithSideLetter(const std::string& side) {
    return !side.empty() && (side[0] == 'L' || side[0] == 'R' || side[0] == 'H' || side[0] == 'C');
}

void AppendToLog(const char* path, const std::string& text) {
    if (text.empty()) return;
    platform::TextFile log;
    if (log.Open(path, platform::TextFile::Mode::Append)) {
        log.WriteString(text);
    }
}

void LogCorrection(const CAirportStruct& runway, double latitude, double longitudeWest, std::string& log) {
    const std::string& side = runway.sideAndMagVar;
    const char letter = side.empty() ? ' ' : side[0];
    const std::string shownLetter = (letter == 'L' || letter == 'R' || letter == 'C') ? std::string(1, letter) : " ";
    const double variation = side.size() > 1 ? platform::LeadingDouble(std::string_view(side).substr(1)) : 0.0;
    const int number = scenrix::round((platform::LeadingInt(runway.runwayHeading) - variation) * 0.1);
    char text[512];
    std::snprintf(text, sizeof text, "id=%s\nrn=%s%d\nlat=%f\nlon=%f\n", runway.airportIdent.c_str(),
                  shownLetter.c_str(), number, latitude, longitudeWest);
    log += text;
}

}  // namespace

void RunwayLogs::Write() {
    AppendToLog(kCorrectionsLogPath, corrections);
    AppendToLog(kInvalidRunwayLogPath, invalidRunways);
    corrections.clear();
    invalidRunways.clear();
}

void GreatCircleOffset(double course, double distance, double& latitude, double& longitude) {
    if (distance == 0.0) {
        return;
    }
    const double d = distance * kRadiansPerArcMinute;
    const double c = course / kDegreesPerRadian;
    const double lat1 = latitude / kDegreesPerRadian;
    const double lon1 = longitude / kDegreesPerRadian;
    const double lat2 = std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(c));
    const double lon2 = lon1 - std::asin(std::sin(c) * std::sin(d) / std::cos(lat1));
    latitude = lat2 * kDegreesPerRadian;
    longitude = lon2 * kDegreesPerRadian;
}

void FillRunwayEnds(CAirportStruct& runway, RunwayLogs& logs) {
    std::string* const fields[] = {&runway.runwayEndLatitude, &runway.runwayEndLongitude, &runway.runwayStartLatitude,
                                   &runway.runwayStartLongitude};
    bool anyEmpty = false;
    for (const std::string* field : fields) {
        anyEmpty = anyEmpty || field->empty();
    }
    if (!anyEmpty) {
        return;
    }
    const double centreLatitude = AngleTextToDegrees(runway.latitude.c_str());
    const double centreLongitude = AngleTextToDegrees(runway.longitude.c_str());  // west positive
    // A side field that begins with its letter converts to 0.
    const double variation =
        StartsWithSideLetter(runway.sideAndMagVar) ? 0.0 : platform::LeadingDouble(runway.sideAndMagVar);
    const double course = platform::LeadingDouble(runway.runwayHeading) - variation;
    // A real division: a whole-number one would put the ends of every runway shorter
    // than 6562 at its centre.
    const double distance = platform::LeadingInt(runway.runwayLength) / kLengthPerArcMinute;

    double endLatitude = centreLatitude;
    double endLongitude = centreLongitude;
    GreatCircleOffset(course, distance, endLatitude, endLongitude);
    double startCourse = course + 180.0;
    if (startCourse > 360.0) {
        startCourse -= 360.0;
    }
    double startLatitude = centreLatitude;
    double startLongitude = centreLongitude;
    GreatCircleOffset(startCourse, distance, startLatitude, startLongitude);

    const std::string values[] = {LatitudeToAngleText(endLatitude), LongitudeToAngleText(-endLongitude),
                                  LatitudeToAngleText(startLatitude), LongitudeToAngleText(-startLongitude)};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (fields[i]->empty()) {
            *fields[i] = values[i];
        }
    }
    LogCorrection(runway, endLatitude, endLongitude, logs.corrections);
}

void LogInvalidRunway(const std::string& ident, const std::string& runwayHeading, double recordHeading,
                      RunwayLogs& logs) {
    // Whole-number division: the runway number of a heading.
    const int number = platform::LeadingInt(runwayHeading) / 10;
    const int opposite = number < 19 ? number + kOppositeRunwayNumbers : number - kOppositeRunwayNumbers;
    char text[512];
    std::snprintf(text, sizeof text, "%-5s, %02d/%02d, %15f\n", ident.c_str(), number, opposite, recordHeading);
    logs.invalidRunways += text;
}

}  // namespace scenrix::detail
