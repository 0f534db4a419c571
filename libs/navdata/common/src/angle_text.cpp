#include "navdata/angle_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

#include "platform/numbers.h"

namespace {

constexpr char kDegreeMark = '*';
constexpr char kMinuteMark = '\'';
constexpr char kDecimalMark = '.';
// The whole minutes are read from two characters after the degree mark.
constexpr std::size_t kMinutesAfterDegreeMark = 2;

// One number of the angle text: its least width, its padding and the mark after it.
// Together they give the layout "%s%03d*%3d'%02d.%02d".
struct AngleField {
    int width;
    char pad;
    char markAfter;  // '\0' for the last field
};
constexpr AngleField kAngleFields[] = {
    {3, '0', kDegreeMark},   // whole degrees
    {3, ' ', kMinuteMark},   // whole minutes
    {2, '0', kDecimalMark},  // hundredths of a minute
    {2, '0', '\0'},          // ten-thousandths of a minute
};
constexpr std::size_t kAngleFieldCount = std::size(kAngleFields);
static_assert(kAngleFieldCount == std::tuple_size_v<navdata::AngleTextNumbers>);

// Sign and ten digits of an int.
constexpr int kMaxNumberChars = 11;
static_assert(navdata::kAngleTextRoom >= 1 + kAngleFieldCount * (kMaxNumberChars + 1));
// The letter and the four numbers in their least widths with their marks.
constexpr std::size_t kUsualAngleLength = 14;

// Writes value as printf's "%<width>d" would, or "%0<width>d" when pad is '0'
// (zeros go after the sign); returns the end of the written text.
char* WritePaddedNumber(char* out, int value, int width, char pad) {
    const bool negative = value < 0;
    // Through unsigned so that INT_MIN negates without overflow.
    unsigned magnitude = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    char digits[kMaxNumberChars];
    int digitCount = 0;
    do {
        digits[digitCount++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int padCount = std::max(0, width - digitCount - (negative ? 1 : 0));
    if (pad != '0') {
        out = std::fill_n(out, padCount, pad);
    }
    if (negative) {
        *out++ = '-';
    }
    if (pad == '0') {
        out = std::fill_n(out, padCount, '0');
    }
    while (digitCount > 0) {
        *out++ = digits[--digitCount];
    }
    return out;
}

struct AngleParts {
    char letter;
    navdata::AngleTextNumbers numbers;
};

// std::trunc of a value of 0 or more; below 2^52 through a whole-number conversion, which
// gives the same and goes faster.
double WholePart(double value) {
    constexpr double kExactWhole = 4503599627370496.0;  // 2^52
    return value < kExactWhole ? static_cast<double>(static_cast<std::int64_t>(value)) : std::trunc(value);
}

AngleParts PartsOfAngle(double degrees, char positiveLetter, char negativeLetter) {
    const bool nonNegative = degrees >= 0.0;
    const double value = nonNegative ? degrees : std::fabs(degrees);
    const double wholeDegrees = WholePart(value);
    const double minutes = (value - wholeDegrees) * 60.0;
    const double wholeMinutes = WholePart(minutes);
    const double hundredths = (minutes - wholeMinutes) * 100.0;
    const double wholeHundredths = WholePart(hundredths);
    const double tenThousandths = (hundredths - wholeHundredths) * 100.0;
    return {nonNegative ? positiveLetter : negativeLetter,
            {platform::SaturatingInt(wholeDegrees), platform::SaturatingInt(wholeMinutes),
             platform::SaturatingInt(wholeHundredths), platform::SaturatingInt(tenThousandths)}};
}

std::size_t WriteAngleText(double degrees, char positiveLetter, char negativeLetter, char* out) {
    const AngleParts parts = PartsOfAngle(degrees, positiveLetter, negativeLetter);
    return navdata::WriteAngleTextOfFields(parts.letter, parts.numbers, out);
}

std::string ComposeAngleText(double degrees, char positiveLetter, char negativeLetter) {
    char text[navdata::kAngleTextRoom];
    return std::string(text, WriteAngleText(degrees, positiveLetter, negativeLetter, text));
}

double SignOfLetter(char letter) { return (letter == 'S' || letter == 'E') ? -1.0 : 1.0; }

double DegreesOfFields(int wholeDegrees, int wholeMinutes, double fraction, double sign) {
    return (wholeDegrees + wholeMinutes / 60.0 + fraction * 0.01 / 60.0) * sign;
}

// The text's minute fraction "hh.tt" is the decimal (100 hh + tt) / 100, which one
// correctly rounded division gives exactly as the text's reader does. Other numbers
// (negative ones, or ten-thousandths of three digits) are read from the text itself.
double TextDegrees(double degrees, char positiveLetter, char negativeLetter) {
    const AngleParts parts = PartsOfAngle(degrees, positiveLetter, negativeLetter);
    const auto [wholeDegrees, wholeMinutes, hundredths, tenThousandths] = parts.numbers;
    if (wholeDegrees < 0 || wholeMinutes < 0 || hundredths < 0 || tenThousandths < 0 || tenThousandths > 99 ||
        hundredths > 1000000) {
        return AngleTextToDegrees(navdata::AngleTextOfFields(parts.letter, parts.numbers).c_str());
    }
    const double fraction = (hundredths * 100.0 + tenThousandths) / 100.0;
    return DegreesOfFields(wholeDegrees, wholeMinutes, fraction, SignOfLetter(parts.letter));
}

// Numbers none negative and each within its field's width, as angles have them, are
// written digit by digit into their columns.
bool WriteUsualFields(char letter, const navdata::AngleTextNumbers& numbers, char* out) {
    const auto [degrees, minutes, hundredths, tenThousandths] = numbers;
    if (degrees < 0 || degrees > 999 || minutes < 0 || minutes > 999 || hundredths < 0 || hundredths > 99 ||
        tenThousandths < 0 || tenThousandths > 99) {
        return false;
    }
    const auto digit = [](int value) { return static_cast<char>('0' + value % 10); };
    const char text[kUsualAngleLength] = {letter,
                                          digit(degrees / 100),
                                          digit(degrees / 10),
                                          digit(degrees),
                                          kDegreeMark,
                                          minutes >= 100 ? digit(minutes / 100) : ' ',
                                          minutes >= 10 ? digit(minutes / 10) : ' ',
                                          digit(minutes),
                                          kMinuteMark,
                                          digit(hundredths / 10),
                                          digit(hundredths),
                                          kDecimalMark,
                                          digit(tenThousandths / 10),
                                          digit(tenThousandths)};
    std::memcpy(out, text, kUsualAngleLength);
    return true;
}

}  // namespace

namespace navdata {

std::size_t WriteAngleTextOfFields(char letter, const AngleTextNumbers& numbers, char* out) {
    if (WriteUsualFields(letter, numbers, out)) return kUsualAngleLength;
    char* const start = out;
    *out++ = letter;
    for (std::size_t i = 0; i < kAngleFieldCount; ++i) {
        const AngleField& field = kAngleFields[i];
        out = WritePaddedNumber(out, numbers[i], field.width, field.pad);
        if (field.markAfter != '\0') {
            *out++ = field.markAfter;
        }
    }
    return static_cast<std::size_t>(out - start);
}

std::string AngleTextOfFields(char letter, const AngleTextNumbers& numbers) {
    char text[kAngleTextRoom];
    return std::string(text, WriteAngleTextOfFields(letter, numbers, text));
}

}  // namespace navdata

std::string LatitudeToAngleText(double degrees) { return ComposeAngleText(degrees, 'N', 'S'); }

std::string LongitudeToAngleText(double degrees) { return ComposeAngleText(degrees, 'E', 'W'); }

std::size_t WriteLatitudeAngleText(double degrees, char* out) { return WriteAngleText(degrees, 'N', 'S', out); }

std::size_t WriteLongitudeAngleText(double degrees, char* out) { return WriteAngleText(degrees, 'E', 'W', out); }

double LatitudeTextDegrees(double degrees) { return TextDegrees(degrees, 'N', 'S'); }

double LongitudeTextDegrees(double degrees) { return TextDegrees(degrees, 'E', 'W'); }

double AngleTextToDegrees(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const std::string_view angle(text);
    const std::size_t degreeMark = angle.find(kDegreeMark);
    const std::size_t minuteMark = angle.find(kMinuteMark);
    if (degreeMark == std::string_view::npos || minuteMark == std::string_view::npos || minuteMark < degreeMark) {
        return 0.0;
    }
    const double sign = SignOfLetter(angle[0]);
    // The letter takes position 0; a mark at 0 leaves no degree digits.
    const std::size_t degreeStart = degreeMark > 0 ? 1 : 0;
    const int wholeDegrees = platform::LeadingInt(angle.substr(degreeStart, degreeMark - degreeStart));
    const int wholeMinutes = platform::LeadingInt(angle.substr(degreeMark + 1, minuteMark - degreeMark - 1));
    const double fraction = platform::LeadingDouble(angle.substr(minuteMark + 1));
    return DegreesOfFields(wholeDegrees, wholeMinutes, fraction, sign);
}

double AngleTextToDegrees(std::string text) { return AngleTextToDegrees(text.c_str()); }

double GetDecimalMinutesFromAngle(const char* text) {
    return text == nullptr ? 0.0 : GetDecimalMinutesFromAngle(std::string_view(text));
}

double GetDecimalMinutesFromAngle(std::string_view text) {
    const std::size_t degreeMark = text.find(kDegreeMark);
    if (degreeMark == std::string_view::npos) {
        return 0.0;
    }
    const std::string_view minutesText = text.substr(std::min(degreeMark + kMinutesAfterDegreeMark, text.size()));
    const std::size_t minuteMark = text.find(kMinuteMark);
    if (minuteMark == std::string_view::npos) {
        return platform::LeadingDouble(minutesText);
    }
    return platform::LeadingInt(minutesText) + 0.01 * platform::LeadingDouble(text.substr(minuteMark + 1));
}
