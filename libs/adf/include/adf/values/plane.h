// The plane page's values: the flight performance of the plane chosen on the general
// page, as the plane file QuilletPlane.adp keeps it per plane, and the engines switch.
#pragma once

#include <string>

namespace adf {

inline constexpr int kNotSet = -1;
inline constexpr const char* kPlaneHelpText =
    "If you are not familiar with any of the setting\nplease refer to the help manual";

// Speeds in knots; kNotSet where no value was entered.
struct PlanePerformance {
    std::string planeName{};
    int finalFlaps = kNotSet;
    int landingSpeed = kNotSet;
    int va = kNotSet;
    int vapp = kNotSet;
    int vfe = kNotSet;
    int vle = kNotSet;
    int vlo = kNotSet;
    int vmc = kNotSet;
    int vmo = kNotSet;
    int vne = kNotSet;
    int vno = kNotSet;
    int vr = kNotSet;
    int vref = kNotSet;
    int vs = kNotSet;
    int vso = kNotSet;
    int vtt = kNotSet;
    int vx = kNotSet;
    int vy = kNotSet;
    int v1 = kNotSet;
    int v2 = kNotSet;
    int climbSpeed = kNotSet;
    int cruiseSpeed = kNotSet;
    int cruiseAltitude = kNotSet;  // feet
    int descentSpeed = kNotSet;
    bool noFlaps = false;

    bool operator==(const PlanePerformance&) const = default;
};

struct PlaneValues {
    PlanePerformance performance{};
    int enginesOff = 0;  // the adventure starts with the engines off
    std::string helpText = kPlaneHelpText;

    bool operator==(const PlaneValues&) const = default;
};

}  // namespace adf
