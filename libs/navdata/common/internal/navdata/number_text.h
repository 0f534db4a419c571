// Decimal conversions of field text in both directions, independent of the locale.
#pragma once

#include <cstddef>
#include <string_view>

namespace navdata {

// Like the C library's decimal conversions: leading white space skipped, stops at the
// first character that cannot continue the number, 0 when the text holds none.
double ParseDouble(std::string_view text);
// Whole-number form; values beyond int are clamped to its range.
int ParseInt(std::string_view text);
// Narrows to float; values beyond float's range become infinities of their sign.
float ToFloat(double value);

// "%f" text of a value (six decimals), held in its own buffer.
class FixedText {
 public:
  explicit FixedText(double value);
  std::string_view view() const { return {buffer_, length_}; }

 private:
  // Room for the largest double written out in full with six decimals.
  static constexpr std::size_t kCapacity = 400;
  char buffer_[kCapacity];
  std::size_t length_;
};

// "%d" text of the whole part of a value, clamped to int.
class WholeText {
 public:
  explicit WholeText(double value);
  std::string_view view() const { return {buffer_, length_}; }

 private:
  static constexpr std::size_t kCapacity = 16;
  char buffer_[kCapacity];
  std::size_t length_;
};

}  // namespace navdata
