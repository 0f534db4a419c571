#include "gathrel/position_text.h"

#include <cmath>

#include "navdata/angle_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr char kDegreeMark = '*';
constexpr char kMinuteMark = '\'';
constexpr double kMinutesPerDegree = 60.0;

// After the minute mark of an angle text: "HH.TT", hundredths and ten-thousandths.
std::optional<double> FractionOfMinute(std::string_view text) {
    const std::string fraction = platform::Trimmed(text);
    if (fraction.empty()) return 0.0;
    const std::size_t dot = fraction.find('.');
    if (dot == std::string::npos) return std::nullopt;
    const auto hundredths = platform::ParseInt(fraction.substr(0, dot));
    const auto tenThousandths = platform::ParseInt(fraction.substr(dot + 1));
    if (!hundredths || !tenThousandths || *hundredths < 0 || *hundredths > 99 || *tenThousandths < 0 ||
        *tenThousandths > 99)
        return std::nullopt;
    return *hundredths / 100.0 + *tenThousandths / 10000.0;
}

}  // namespace

std::optional<double> ReadPositionText(std::string_view text, Axis axis, bool defaultNegative) {
    std::string angle = platform::Trimmed(text);
    bool negative = defaultNegative;
    const std::string letters = axis == Axis::Latitude ? "NS" : "EW";
    if (!angle.empty() && (angle[0] == letters[0] || angle[0] == letters[1])) {
        negative = angle[0] == letters[1];
        angle.erase(0, 1);
    }
    const std::size_t degreeMark = angle.find(kDegreeMark);
    const std::size_t minuteMark = angle.find(kMinuteMark);
    if (degreeMark == std::string::npos || minuteMark == std::string::npos || minuteMark < degreeMark)
        return std::nullopt;
    const auto degrees = platform::ParseInt(angle.substr(0, degreeMark));
    const auto minutes = platform::ParseDouble(angle.substr(degreeMark + 1, minuteMark - degreeMark - 1));
    const auto fraction = FractionOfMinute(std::string_view(angle).substr(minuteMark + 1));
    if (!degrees || !minutes || !fraction || *degrees < 0 || *minutes < 0.0) return std::nullopt;
    const double total = *minutes + *fraction;
    const double limit = axis == Axis::Latitude ? 90.0 : 180.0;
    const double value = *degrees + total / kMinutesPerDegree;
    if (total >= kMinutesPerDegree || value > limit) return std::nullopt;
    return negative ? -value : value;
}

std::string PositionAngleText(double degrees, Axis axis) {
    // A tiny step up keeps a value such as 30.50 minutes from truncating to 30.4999.
    const double nudged = degrees + std::copysign(1e-9, degrees);
    return axis == Axis::Latitude ? LatitudeToAngleText(nudged) : LongitudeToAngleText(nudged);
}

}  // namespace gathrel
