// MulDiv: number x numerator / denominator with a 64-bit intermediate, rounded half away
// from zero; -1 when the denominator is 0 or the result leaves int. The drawing and
// scrolling code of every program scales with it, once per point: it is inline.
#pragma once

#include <cstdint>
#include <limits>

namespace platform {

inline int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t quotient = product / denominator;
    const std::int64_t remainder = product % denominator;
    const std::int64_t absRemainder = remainder < 0 ? -remainder : remainder;
    const std::int64_t absDenominator = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    if (2 * absRemainder >= absDenominator) quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(quotient);
}

}  // namespace platform
