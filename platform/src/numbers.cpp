#include "platform/numbers.h"

#include <locale.h>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
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

}  // namespace

double LeadingDouble(std::string_view text, std::size_t& length) {
    const std::string_view number = NumberStart(text);
    double value = 0.0;
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

std::string FixedText(double value, int decimals) {
    // Room for any double in fixed form with the decimals a record field holds.
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::string IntText(int value) {
    char text[16];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace platform
