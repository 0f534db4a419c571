#include "global_variables.h"

#include <cmath>
#include <numbers>

#include "conversions.h"
#include "simlinker/global_block.h"

namespace fsim {
namespace {

using namespace simlink::global_block;
using simlink::EncodedCoordinate;

constexpr double kMetresPerDegreeOfLatitude = 111120.0;
constexpr double kGroundSpeedUnitsPerMetrePerSecond = 65536.0;
constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

struct StartValue {
    double latitude = 47.45;
    double longitude = -122.3;
    double headingDegrees = 90.0;
    double groundSpeedKnots = 120.0;
    double trueAirspeedKnots = 130.0;
    double indicatedAirspeedKnots = 120.0;
    std::uint32_t altitudeMetres = 1200;
    std::uint16_t dayOfYear = 180;
    std::uint16_t year = 2002;
    std::uint16_t season = 1;
    std::uint8_t hour = 12;
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

GlobalVariables::GlobalVariables() {
    const StartValue start;
    Put<std::uint8_t>(kHour, start.hour);
    Put<std::uint16_t>(kDayOfYear, start.dayOfYear);
    Put<std::uint16_t>(kYear, start.year);
    Put<std::uint16_t>(kSeason, start.season);
    Put<std::int32_t>(kGroundSpeed,
                      simlink::WrapToField<std::int32_t>(start.groundSpeedKnots / kKnotsPerGroundSpeedUnit));
    Put<std::int32_t>(kTrueAirspeed,
                      simlink::WrapToField<std::int32_t>(start.trueAirspeedKnots * kAirspeedUnitsPerKnot));
    Put<std::int32_t>(kIndicatedAirspeed,
                      simlink::WrapToField<std::int32_t>(start.indicatedAirspeedKnots * kAirspeedUnitsPerKnot));
    const EncodedCoordinate latitude = simlink::EncodeLatitude(start.latitude);
    const EncodedCoordinate longitude = simlink::EncodeLongitude(start.longitude);
    Put(kLatitudeHigh, latitude.high);
    Put(kLatitudeLow, latitude.low);
    Put(kLongitudeHigh, longitude.high);
    Put(kLongitudeLow, longitude.low);
    Put(kAltitude, start.altitudeMetres);
    Put(kHeading, simlink::EncodeHeading(start.headingDegrees));
    Put<std::uint16_t>(kRate, static_cast<std::uint16_t>(kRateUnitsPerRate));
}

void GlobalVariables::Advance(double elapsedSeconds) {
    if (Get<std::uint8_t>(kPause) != 0) return;
    const double seconds = elapsedSeconds * Get<std::uint16_t>(kRate) / kRateUnitsPerRate;
    AdvanceTime(seconds);
    if (Get<std::uint8_t>(kSlew) == 0) AdvancePosition(seconds);
}

void GlobalVariables::AdvanceTime(double seconds) {
    pendingSeconds_ += seconds;
    const int whole = static_cast<int>(pendingSeconds_);
    if (whole == 0) return;
    pendingSeconds_ -= whole;
    int total = (Get<std::uint8_t>(kHour) * kMinutesPerHour + Get<std::uint8_t>(kMinute)) * kSecondsPerMinute +
                Get<std::uint8_t>(kSecond) + whole;
    total %= kHoursPerDay * kMinutesPerHour * kSecondsPerMinute;
    Put<std::uint8_t>(kSecond, static_cast<std::uint8_t>(total % kSecondsPerMinute));
    Put<std::uint8_t>(kMinute, static_cast<std::uint8_t>(total / kSecondsPerMinute % kMinutesPerHour));
    Put<std::uint8_t>(kHour, static_cast<std::uint8_t>(total / (kSecondsPerMinute * kMinutesPerHour)));
}

void GlobalVariables::AdvancePosition(double seconds) {
    const double metresPerSecond = Get<std::int32_t>(kGroundSpeed) / kGroundSpeedUnitsPerMetrePerSecond;
    const double metres = metresPerSecond * seconds;
    const double heading = Radians(simlink::HeadingDegrees(Get<std::int32_t>(kHeading)));
    double latitude = simlink::LatitudeDegrees({Get<std::int32_t>(kLatitudeHigh), Get<std::int32_t>(kLatitudeLow)});
    double longitude = simlink::LongitudeDegrees({Get<std::int32_t>(kLongitudeHigh), Get<std::int32_t>(kLongitudeLow)});
    const double east = std::cos(Radians(latitude));
    latitude += metres * std::cos(heading) / kMetresPerDegreeOfLatitude;
    if (east > 1e-6) longitude += metres * std::sin(heading) / (kMetresPerDegreeOfLatitude * east);
    const EncodedCoordinate newLatitude = simlink::EncodeLatitude(latitude);
    const EncodedCoordinate newLongitude = simlink::EncodeLongitude(longitude);
    Put(kLatitudeHigh, newLatitude.high);
    Put(kLatitudeLow, newLatitude.low);
    Put(kLongitudeHigh, newLongitude.high);
    Put(kLongitudeLow, newLongitude.low);
}

}  // namespace fsim
