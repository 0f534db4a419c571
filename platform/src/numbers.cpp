#include "platform/numbers.h"

#include <locale.h>
#include <bit>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <type_traits>

namespace platform {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text from the number's first character on: white space skipped, and a '+' that
// the C conversions accept but from_chars does not; "+-1" holds no number.
std::string_view NumberStart(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    text.remove_prefix(i);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return {};
    }
    return text;
}

// The text without white space on either side.
std::string_view Unpadded(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

template <class Number>
std::optional<Number> WholeTextNumber(std::string_view text) {
    const std::string_view number = NumberStart(Unpadded(text));
    const char* const end = number.data() + number.size();
    Number value{};
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

// Overflow gives the infinity of its sign and underflow the nearest tiny value, as
// strtod gives them; read in the C locale whatever the program's locale is.
double OutOfRangeValue(std::string_view number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string copy(number);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

// The values record fields hold (below 2^33 in magnitude, up to nine decimals) are
// written by exact integer arithmetic, several times faster than the general
// conversion: value = m * 2^-s, and m * 10^decimals / 2^s is rounded half to even.
constexpr int kMaxFastDecimals = 9;
constexpr double kFastLimit = 8589934592.0;  // 2^33, so that the scaled value fits 63 bits

bool Bit(std::uint64_t high, std::uint64_t low, int bit) {
    return bit < 64 ? (low >> bit) & 1 : (high >> (bit - 64)) & 1;
}

// True when any of the bits below `bit` is set.
bool AnyBelow(std::uint64_t high, std::uint64_t low, int bit) {
    if (bit <= 64) return bit == 64 ? low != 0 : (low & ((std::uint64_t{1} << bit) - 1)) != 0;
    return low != 0 || (high & ((std::uint64_t{1} << (bit - 64)) - 1)) != 0;
}

// value * 10^decimals rounded half to even, for a finite value below kFastLimit.
std::uint64_t ScaledRounded(double value, std::uint64_t scale) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    if (exponent == 0) return 0;  // subnormal: far below half of the last decimal
    const std::uint64_t significand = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - exponent;  // at least 20 below kFastLimit
    // significand * scale is below 2^83: as two 64-bit halves.
    const std::uint64_t lowPart = (significand & 0xFFFFFFFF) * scale;
    const std::uint64_t highPart = (significand >> 32) * scale;
    const std::uint64_t low = lowPart + (highPart << 32);
    const std::uint64_t high = (highPart >> 32) + (low < lowPart ? 1 : 0);
    if (shift >= 84) return 0;
    std::uint64_t scaled = shift >= 64 ? high >> (shift - 64) : (low >> shift) | (high << (64 - shift));
    if (Bit(high, low, shift - 1) && (AnyBelow(high, low, shift - 1) || (scaled & 1))) ++scaled;
    return scaled;
}

// Writes "%.*f" of value into out; false, and nothing written, for values it leaves to
// the general conversion.
bool WriteFixedFast(double value, int decimals, char* out, std::size_t& length) {
    if (!(std::fabs(value) < kFastLimit) || decimals < 0 || decimals > kMaxFastDecimals) return false;
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const std::uint64_t scaled = ScaledRounded(std::fabs(value), scale);
    char* p = out;
    if (std::signbit(value)) *p++ = '-';
    const auto [end, error] = std::to_chars(p, p + 24, scaled / scale);
    p = end;
    if (decimals > 0) {
        *p++ = '.';
        std::uint64_t fraction = scaled % scale;
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        p += decimals;
    }
    length = static_cast<std::size_t>(p - out);
    return true;
}

// The plain decimals that the records are full of ("-12.345"): digits around an
// optional point, at most 2^53 as a whole number and 22 digits after the point, and no
// exponent after them. Their value is that whole number divided by an exact power of
// ten, which one division rounds as from_chars does. Anything else gives false.
bool PlainDecimal(std::string_view number, double& value, std::size_t& taken) {
    constexpr uint64_t kExactLimit = uint64_t{1} << 53;
    constexpr int kMostDigits = 19;  // fit in 64 bits
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == '-';
    if (negative) ++i;
    uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    for (; i < number.size() && isDigit(number[i]); ++i, ++digits) {
        if (digits < kMostDigits) whole = whole * 10 + static_cast<uint64_t>(number[i] - '0');
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        for (; i < number.size() && isDigit(number[i]); ++i, ++digits, ++decimals) {
            if (digits < kMostDigits) whole = whole * 10 + static_cast<uint64_t>(number[i] - '0');
        }
    }
    if (digits == 0 || digits > kMostDigits || whole > kExactLimit ||
        decimals >= static_cast<int>(std::size(kPowersOfTen)))
        return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) return false;
    value = static_cast<double>(whole) / kPowersOfTen[decimals];
    if (negative) value = -value;
    taken = i;
    return true;
}

}  // namespace

double LeadingDouble(std::string_view text, std::size_t& length) {
    const std::string_view number = NumberStart(text);
    double value = 0.0;
    if (std::size_t taken = 0; PlainDecimal(number, value, taken)) {
        length = static_cast<std::size_t>(number.data() + taken - text.data());
        return value;
    }
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error == std::errc::invalid_argument) {
        length = 0;
        return 0.0;
    }
    length = static_cast<std::size_t>(stop - text.data());
    if (error == std::errc::result_out_of_range) {
        return OutOfRangeValue(number.substr(0, static_cast<std::size_t>(stop - number.data())));
    }
    return value;
}

double LeadingDouble(std::string_view text) {
    std::size_t length = 0;
    return LeadingDouble(text, length);
}

int LeadingInt(std::string_view text) {
    const std::string_view number = NumberStart(text);
    long long value = 0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) return number.front() == '-' ? INT_MIN : INT_MAX;
    if (error != std::errc()) return 0;
    if (value < INT_MIN) return INT_MIN;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

std::optional<int> ParseInt(std::string_view text) { return WholeTextNumber<int>(text); }

std::optional<double> ParseDouble(std::string_view text) { return WholeTextNumber<double>(text); }

int SaturatingInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

float NarrowToFloat(double value) {
    if (value > FLT_MAX) return HUGE_VALF;
    if (value < -FLT_MAX) return -HUGE_VALF;
    return static_cast<float>(value);
}

std::size_t WriteFixedText(double value, int decimals, char* out) {
    if (std::size_t length = 0; WriteFixedFast(value, decimals, out, length)) return length;
    const auto [end, error] = std::to_chars(out, out + kFixedTextRoom, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? static_cast<std::size_t>(end - out) : 0;
}

std::string FixedText(double value, int decimals) {
    char text[kFixedTextRoom];
    return std::string(text, WriteFixedText(value, decimals, text));
}

// The text's digits make one whole number below 2^53 over an exact power of ten, which
// is how the plain-decimal reader reads it back.
double FixedTextValue(double value, int decimals) {
    if (std::isfinite(value) && std::fabs(value) < kFastLimit && decimals >= 0 && decimals <= kMaxFastDecimals) {
        std::uint64_t scale = 1;
        for (int i = 0; i < decimals; ++i) scale *= 10;
        if (const std::uint64_t scaled = ScaledRounded(std::fabs(value), scale); scaled <= (std::uint64_t{1} << 53)) {
            const double magnitude = static_cast<double>(scaled) / static_cast<double>(scale);
            return std::signbit(value) ? -magnitude : magnitude;
        }
    }
    return LeadingDouble(FixedText(value, decimals));
}

std::string IntText(int value) {
    char text[16];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace platform
