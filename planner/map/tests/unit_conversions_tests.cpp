#include "map/unit_conversions.h"

#include <gtest/gtest.h>

#include <numbers>

namespace trevalo {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(UnitConversions, AnglesConvert) {
    struct Case {
        const char* name;
        double (*convert)(double);
        double input, expected;
    };
    const Case cases[] = {
        {"arc-seconds of one degree", ArcSecondsToRadians, 3600, kPi / 180},
        {"arc-seconds with minutes and seconds", ArcSecondsToRadians, 171'477, 47.6325 * kPi / 180},
        {"negative arc-seconds", ArcSecondsToRadians, -30'780, -8.55 * kPi / 180},
        {"degrees", DegreesToRadians, -180, -kPi},
        {"radians", RadiansToDegrees, kPi / 2, 90},
        {"half a degree packs as 18 hundredths", DegreesMinutesToDecimal, 47.5, 47.18},
        {"packing keeps the sign", DegreesMinutesToDecimal, -8.25, -8.09},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.convert(c.input), c.expected, 1e-12) << c.name;
}

TEST(PositiveModulo, BringsAnglesIntoOneTurn) {
    struct Case {
        double a, expected;
    };
    const Case cases[] = {
        {1.0, 1.0}, {2 * kPi + 1.0, 1.0}, {-1.0, 2 * kPi - 1.0}, {-2 * kPi - 1.0, 2 * kPi - 1.0}, {0.0, 0.0},
    };
    for (const auto& c : cases) EXPECT_NEAR(PositiveModulo(c.a, 2 * kPi), c.expected, 1e-12) << c.a;
}

}  // namespace
}  // namespace trevalo
