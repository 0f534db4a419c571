#include "platform/text.h"

#include <cctype>
#include <cstdio>

namespace platform {

void AppendFormatV(std::string& out, const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size <= 0) return;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(size) + 1);
    std::vsnprintf(out.data() + start, static_cast<size_t>(size) + 1, format, args);
    out.resize(start + static_cast<size_t>(size));
}

std::string Format(const char* format, ...) {
    std::string text;
    va_list args;
    va_start(args, format);
    AppendFormatV(text, format, args);
    va_end(args);
    return text;
}

std::string_view TrimmedView(std::string_view text) {
    // White space as the C library's isspace tells it; the space, letters and digits are
    // the same in every locale, so the common characters need not ask it.
    const auto blank = [](char c) {
        if (c == ' ') return true;
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return false;
        return std::isspace(static_cast<unsigned char>(c)) != 0;
    };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Trimmed(std::string_view text) { return std::string(TrimmedView(text)); }

std::string UpperCased(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string LowerCased(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace platform
