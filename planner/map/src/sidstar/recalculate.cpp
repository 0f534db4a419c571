#include "map/sidstar_recalculate.h"

#include <cmath>
#include <cstdint>

#include "map/great_circle.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

constexpr const char* kNoReference = "Please enter a valid ID first.\n(Enter this on the previous value).";
constexpr const char* kImpossible =
    "The values you gave make it imposible to calculate a new waypoint,\n"
    "Please enter some new values and press 'recalculate'.";

RecalculatedPosition Failed(RecalculateOutcome outcome, const char* message) {
    platform::MessageBox(message, {}, platform::MbIcon::Information);
    return {outcome};
}

}  // namespace

RecalculatedPosition RecalculateLegPosition(const ProcedureLeg& previous, double magneticVariation,
                                            bool useMagneticVariation) {
    if (previous.nextIdent.empty()) return Failed(RecalculateOutcome::NoReference, kNoReference);
    const double variation = useMagneticVariation ? magneticVariation : 0.0;
    RecalculatedPosition result{RecalculateOutcome::Placed, previous.nextLatitude, previous.nextLongitude};
    if (previous.nextDistance > 0.0 && previous.nextRadial > 0.0) {
        GreatCircleDestination(previous.nextRadial + variation, previous.nextDistance, result.latitude,
                               result.westLongitude);
        return result;
    }
    if (previous.nextRadial > 0.0) {
        result.latitude = previous.latitude;
        result.westLongitude = previous.longitude;
        const auto headingCourse = static_cast<int32_t>(std::lround(previous.heading + variation));
        const auto radialCourse = static_cast<int32_t>(std::lround(previous.nextRadial + variation));
        if (!RadialIntersection(headingCourse, radialCourse, result.latitude, result.westLongitude,
                                previous.nextLatitude, previous.nextLongitude)) {
            return {RecalculateOutcome::Impossible};
        }
        return result;
    }
    if (previous.nextDistance != 0.0 || previous.nextRadial != 0.0) {
        return Failed(RecalculateOutcome::Impossible, kImpossible);
    }
    return result;
}

}  // namespace trevalo
