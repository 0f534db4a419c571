#include "scenrix/rounding.h"

#include <cmath>

#include "platform/numbers.h"

namespace scenrix {

int round(double x) {
    const double whole = std::trunc(x);
    const double firstDecimal = std::trunc((x - whole) * 10.0);
    double rounded = whole;
    if (firstDecimal > 4.0) {
        rounded += 1.0;
    } else if (firstDecimal < -4.0) {
        rounded -= 1.0;
    }
    return platform::SaturatingInt(rounded);
}

}  // namespace scenrix
