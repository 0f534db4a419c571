#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(LeadingNumbers, ReadTheStartOfTheTextAsTheCConversionsDo) {
    struct Case {
        const char* text;
        double value;
        std::size_t length;
    };
    const Case cases[] = {
        {"118.250000", 118.25, 10},
        {"  -5.000000 ", -5.0, 11},
        {"\t+12.5x", 12.5, 6},
        {"270.0*", 270.0, 5},
        {"1e3", 1000.0, 3},
        {"1e", 1.0, 1},  // an exponent without digits is not part of the number
        {".5", 0.5, 2},
        {"5.", 5.0, 2},
        {"", 0.0, 0},
        {"   ", 0.0, 0},
        {"N047", 0.0, 0},
        {"-", 0.0, 0},
        {"+-1", 0.0, 0},
        {"0x10", 0.0, 1},  // no hexadecimal: the "0" alone
        {"1e999", kInfinity, 5},
        {"-1e999", -kInfinity, 6},
        {"1e-999", 0.0, 6},
    };
    for (const Case& c : cases) {
        std::size_t length = 99;
        EXPECT_EQ(platform::LeadingDouble(c.text, length), c.value) << '"' << c.text << '"';
        EXPECT_EQ(length, c.length) << '"' << c.text << '"';
        EXPECT_EQ(platform::LeadingDouble(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::isnan(platform::LeadingDouble("nan")));
}

TEST(LeadingNumbers, ReadOnlyTheGivenCharacters) {
    const std::string text = "12345";
    EXPECT_EQ(platform::LeadingDouble(std::string_view(text).substr(0, 2)), 12.0);
    EXPECT_EQ(platform::LeadingInt(std::string_view(text).substr(1, 3)), 234);
}

TEST(LeadingNumbers, WholeNumbersStopAtTheFirstOtherCharacterAndSaturate) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"9800", 9800},
        {"  -42 ", -42},
        {"+7", 7},
        {"12.9", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+-3", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::LeadingInt(c.text), c.value) << '"' << c.text << '"';
}

// Texts made of the characters a number can hold read as strtod reads them in the C
// locale (hexadecimal apart, which the suite's files never hold).
TEST(LeadingNumbers, AgreeWithStrtod) {
    const char alphabet[] = " +-.0123456789eE";
    std::srand(12345);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int size = std::rand() % 12;
        for (int i = 0; i < size; ++i) text += alphabet[std::rand() % (sizeof alphabet - 1)];
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        std::size_t length = 0;
        const double value = platform::LeadingDouble(text, length);
        ASSERT_EQ(value, expected) << '"' << text << '"';
        ASSERT_EQ(length, static_cast<std::size_t>(end - text.c_str())) << '"' << text << '"';
        const long whole = std::strtol(text.c_str(), nullptr, 10);
        ASSERT_EQ(platform::LeadingInt(text), std::clamp<long>(whole, INT_MIN, INT_MAX)) << '"' << text << '"';
    }
}

// Long runs of digits round as strtod rounds them, about 2^53 and past 19 digits too.
TEST(LeadingNumbers, LongDecimalsAgreeWithStrtod) {
    const char* const fixed[] = {
        "9007199254740992",    "9007199254740993",       "-9007199254740993.5",         "0.1", "0.30000000000000004",
        "1234567890123456789", "12345678901234567890.5", "0.0000000000000000000000123", "-0"};
    std::vector<std::string> texts(std::begin(fixed), std::end(fixed));
    std::srand(54321);
    for (int round = 0; round < 20000; ++round) {
        std::string text = std::rand() % 4 == 0 ? "-" : "";
        const int size = 1 + std::rand() % 26;
        const int point = std::rand() % (size + 1);
        for (int i = 0; i < size; ++i) text += i == point ? '.' : static_cast<char>('0' + std::rand() % 10);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        std::size_t length = 0;
        const double value = platform::LeadingDouble(text, length);
        ASSERT_EQ(value, expected) << '"' << text << '"';
        ASSERT_EQ(std::signbit(value), std::signbit(expected)) << '"' << text << '"';
        ASSERT_EQ(length, static_cast<std::size_t>(end - text.c_str())) << '"' << text << '"';
    }
}

TEST(WholeTextNumbers, TakeOneNumberWithBlanksAroundAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<int> whole;
        std::optional<double> real;
    };
    const Case cases[] = {
        {"42", 42, 42.0},
        {"  -7\t\r\n", -7, -7.0},
        {"+3", 3, 3.0},
        {"2.5", std::nullopt, 2.5},
        {"1e3", std::nullopt, 1000.0},
        {"12abc", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"+-5", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"2147483648", std::nullopt, 2147483648.0},
        {"1e999", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ParseInt(c.text), c.whole) << '"' << c.text << '"';
        EXPECT_EQ(platform::ParseDouble(c.text), c.real) << '"' << c.text << '"';
    }
}

TEST(SaturatingConversions, ClampInsteadOfOverflowing) {
    struct Case {
        double value;
        int whole;
    };
    const Case cases[] = {
        {0.0, 0},
        {2.9, 2},
        {-2.9, -2},
        {1e10, INT_MAX},
        {-1e10, INT_MIN},
        {kInfinity, INT_MAX},
        {-kInfinity, INT_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::SaturatingInt(c.value), c.whole) << c.value;

    EXPECT_EQ(platform::NarrowToFloat(113.4), 113.4f);
    EXPECT_EQ(platform::NarrowToFloat(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(platform::NarrowToFloat(-1e300), -std::numeric_limits<float>::infinity());
}

std::string Printed(const char* format, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

TEST(NumberTexts, FixedTextMatchesPrintf) {
    const double values[] = {
        0.0,
        -0.0,
        1.0,
        -1.0,
        0.1,
        118.25,
        160.098,
        359.9999995,
        0.0078125,  // 2^-7: a tie
        0.00000049999,
        -0.0000001,
        2.5e-7,
        3.5e-6,
        434.7112860892389,
        1e15 + 0.5,
        1e300,
        DBL_MAX,
        -DBL_MAX,
        DBL_MIN,
        kInfinity,
        -kInfinity,
        std::nan(""),
        108.0 + 0.05 * 13,
        352.5,
    };
    for (const double value : values) {
        EXPECT_EQ(platform::FixedText(value), Printed("%f", value)) << value;
        EXPECT_EQ(platform::FixedText(value, 5), Printed("%.5f", value)) << value;
    }
    // Every 1/2^20 step across a few units holds many exact ties at the sixth decimal.
    for (int i = -(3 << 20); i <= (3 << 20); i += 37) {
        const double value = std::ldexp(i, -20);
        ASSERT_EQ(platform::FixedText(value), Printed("%f", value)) << value;
    }
}

// Values of every size and sign, with every count of decimals a field may ask for: the
// quick exact path for values below 2^33 and the general one beyond meet printf alike.
TEST(NumberTexts, FixedTextMatchesPrintfForAnyDecimals) {
    std::mt19937_64 random(20);
    for (int i = 0; i < 200000; ++i) {
        const int decimals = i % 11;
        const double significand = static_cast<double>(random() >> 11);
        const int exponent = static_cast<int>(random() % 100) - 80;
        const double value = std::ldexp(significand, exponent) * (random() % 2 ? 1.0 : -1.0);
        char format[8];
        std::snprintf(format, sizeof format, "%%.%df", decimals);
        ASSERT_EQ(platform::FixedText(value, decimals), Printed(format, value)) << value << ' ' << decimals;
        const double tie = std::ldexp(static_cast<double>(random() % 4000000) - 2000000.0, -(i % 24));
        ASSERT_EQ(platform::FixedText(tie, decimals), Printed(format, tie)) << tie << ' ' << decimals;
    }
}

// The value worked out without the text is the text's own, sign of zero included.
TEST(NumberTexts, FixedTextValueIsWhatTheTextReadsBackAs) {
    const auto same = [](double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); };
    std::mt19937_64 random(21);
    for (int i = 0; i < 200000; ++i) {
        const int decimals = i % 11;
        const double value = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 100) - 80) *
                             (random() % 2 ? 1.0 : -1.0);
        const double tie = std::ldexp(static_cast<double>(random() % 4000000) - 2000000.0, -(i % 24));
        for (const double v : {value, tie}) {
            const double readBack = platform::LeadingDouble(platform::FixedText(v, decimals));
            ASSERT_TRUE(same(platform::FixedTextValue(v, decimals), readBack)) << v << ' ' << decimals;
        }
    }
    for (const double v : {0.0, -0.0, -1e-9, 359.9999995, 8589934591.9999999, 1e300, -kInfinity, kInfinity}) {
        EXPECT_TRUE(same(platform::FixedTextValue(v), platform::LeadingDouble(platform::FixedText(v)))) << v;
    }
    EXPECT_TRUE(std::isnan(platform::FixedTextValue(std::nan(""))) ==
                std::isnan(platform::LeadingDouble(platform::FixedText(std::nan("")))));
}

TEST(NumberTexts, IntTextMatchesPrintf) {
    for (const int value : {0, 7, -7, 4000, INT_MAX, INT_MIN}) {
        EXPECT_EQ(platform::IntText(value), std::to_string(value));
    }
}

}  // namespace
