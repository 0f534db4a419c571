#include "navdata/number_text.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace navdata {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Skips leading white space and a '+' that the standard readers accept but
// from_chars does not; "+-1" holds no number.
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

}  // namespace

double ParseDouble(std::string_view text) {
  const std::string_view number = NumberStart(text);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Overflow gives the infinity of its sign, underflow the nearest tiny value, as strtod does.
    const std::string copy(number.data(), static_cast<std::size_t>(end - number.data()));
    return std::strtod(copy.c_str(), nullptr);
  }
  return ec == std::errc() ? value : 0.0;
}

int ParseInt(std::string_view text) {
  const std::string_view number = NumberStart(text);
  long long value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) return number.front() == '-' ? INT_MIN : INT_MAX;
  if (ec != std::errc()) return 0;
  if (value < INT_MIN) return INT_MIN;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

float ToFloat(double value) {
  if (value > FLT_MAX) return HUGE_VALF;
  if (value < -FLT_MAX) return -HUGE_VALF;
  return static_cast<float>(value);
}

FixedText::FixedText(double value) {
  const auto result = std::to_chars(buffer_, buffer_ + kCapacity, value, std::chars_format::fixed, 6);
  length_ = static_cast<std::size_t>(result.ptr - buffer_);
}

WholeText::WholeText(double value) {
  int whole = 0;
  if (std::isnan(value)) {
    whole = 0;
  } else if (value <= static_cast<double>(INT_MIN)) {
    whole = INT_MIN;
  } else if (value >= static_cast<double>(INT_MAX)) {
    whole = INT_MAX;
  } else {
    whole = static_cast<int>(value);
  }
  const auto result = std::to_chars(buffer_, buffer_ + kCapacity, whole);
  length_ = static_cast<std::size_t>(result.ptr - buffer_);
}

}  // namespace navdata
