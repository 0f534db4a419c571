#include "scanned_runway.h"

#include "navdata/angle_text.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"

namespace scenrix::detail {

namespace {

std::string LatitudeText(const RunwayEndPoint& point) {
    return point.set ? LatitudeToAngleText(point.latitude) : std::string();
}

std::string LongitudeText(const RunwayEndPoint& point) {
    return point.set ? LongitudeToAngleText(point.longitude) : std::string();
}

}  // namespace

std::string ScannedRunway::SideText() const {
    return hasSide ? sideLetter + platform::FixedText(variation) : std::string();
}

double SixDecimals(double value) { return platform::LeadingDouble(platform::FixedText(value)); }

std::string ComposeRunwayLine(const ScannedRunway& r, const AirportTexts& airport) {
    const std::string elevation = platform::FixedText(r.elevationFeet);
    const std::string latitude = LatitudeToAngleText(r.latitude);
    const std::string longitude = LongitudeToAngleText(r.longitude);
    const std::string atis = r.atisFrequency ? platform::FixedText(*r.atisFrequency) : std::string();
    const std::string heading = platform::FixedText(r.heading);
    const std::string length = platform::IntText(r.length);
    const std::string side = r.SideText();
    const std::string startLatitude = LatitudeText(r.start);
    const std::string endLatitude = LatitudeText(r.end);
    const std::string startLongitude = LongitudeText(r.start);
    const std::string endLongitude = LongitudeText(r.end);
    std::string line = navdata::ComposeAirportLineFromViews(navdata::AirportLineViews{airport.city,
                                                                                      airport.country,
                                                                                      airport.name,
                                                                                      r.ident,
                                                                                      elevation,
                                                                                      latitude,
                                                                                      longitude,
                                                                                      atis,
                                                                                      heading,
                                                                                      length,
                                                                                      r.surface,
                                                                                      {},
                                                                                      {},
                                                                                      side,
                                                                                      startLatitude,
                                                                                      endLatitude,
                                                                                      startLongitude,
                                                                                      endLongitude});
    line += '\n';
    return line;
}

}  // namespace scenrix::detail
