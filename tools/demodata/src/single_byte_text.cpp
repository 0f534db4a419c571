#include "single_byte_text.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace demodata {

namespace {

// Latin-1's letters from U+00C0 and Latin Extended-A (U+0100 to U+017F), each by its
// letters without their marks; "?" marks those that take two letters.
constexpr std::string_view kLatin1Letters = "AAAAAA?CEEEEIIIIDNOOOOOxOUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";
constexpr char32_t kLatin1LettersFirst = 0xC0;
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kLatinExtendedAFirst = 0x100;

struct Transliteration {
    char32_t code;
    const char* text;
};
constexpr Transliteration kTransliterations[] = {
    {0xA0, " "},   {0xC6, "AE"},  {0xDE, "Th"},  {0xDF, "ss"},  {0xE6, "ae"},   {0xFE, "th"},
    {0x132, "IJ"}, {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}, {0x218, "S"},   {0x219, "s"},
    {0x21A, "T"},  {0x21B, "t"},  // comma below
    {0x2013, "-"}, {0x2014, "-"}, {0x2018, "'"}, {0x2019, "'"}, {0x201C, "\""}, {0x201D, "\""},
};
constexpr char32_t kAsciiLast = 0x7F;
constexpr char32_t kSingleByteLast = 0xFF;
constexpr char32_t kUnknown = 0xFFFD;

// The code point starting at i, moving i past it; nullopt for a broken sequence.
std::optional<char32_t> DecodeNext(const std::string& utf8, size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    if (lead < 0x80) return lead;
    const int tail = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (tail < 0) return std::nullopt;
    char32_t code = lead & (0x3Fu >> tail);
    for (int k = 0; k < tail; ++k) {
        if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
    }
    return code;
}

// A broken sequence is one unknown character.
char32_t NextCodePoint(const std::string& utf8, size_t& i) { return DecodeNext(utf8, i).value_or(kUnknown); }

std::u32string CodePoints(const std::string& utf8) {
    std::u32string codes;
    for (size_t i = 0; i < utf8.size();) codes += NextCodePoint(utf8, i);
    return codes;
}

// A character as plain ASCII: itself when it is one, else its letters without their
// marks, else "?".
std::string AsciiText(char32_t code) {
    if (code <= kAsciiLast) return std::string(1, static_cast<char>(code));
    for (const Transliteration& t : kTransliterations)
        if (t.code == code) return t.text;
    if (code >= kLatin1LettersFirst && code - kLatin1LettersFirst < kLatin1Letters.size())
        return std::string(1, kLatin1Letters[code - kLatin1LettersFirst]);
    if (code >= kLatinExtendedAFirst && code - kLatinExtendedAFirst < kLatinExtendedA.size())
        return std::string(1, kLatinExtendedA[code - kLatinExtendedAFirst]);
    return "?";
}

bool IsUtf8(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size();)
        if (!DecodeNext(bytes, i)) return false;
    return true;
}

}  // namespace

std::string Latin1(const std::string& utf8) {
    const std::u32string codes = CodePoints(utf8);
    // Half a name in the code page and half transliterated reads worse than all of it
    // in plain letters.
    const bool fits = std::all_of(codes.begin(), codes.end(), [](char32_t c) { return c <= kSingleByteLast; });
    std::string out;
    for (const char32_t code : codes) out += fits ? std::string(1, static_cast<char>(code)) : AsciiText(code);
    return out;
}

std::string Utf8Text(std::string_view bytes) {
    std::string utf8(bytes);
    if (IsUtf8(utf8)) return utf8;
    utf8.clear();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            utf8 += byte;
        } else {
            utf8 += static_cast<char>(0xC0 | code >> 6);
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

}  // namespace demodata
