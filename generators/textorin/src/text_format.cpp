#include "text_format.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace textorin {

std::string QuoteSafe(std::string_view text) {
    std::string safe(text);
    for (char& c : safe)
        if (c == '"') c = '\'';
    return safe;
}

double ToDouble(std::string_view text) {
    std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

int ToInt(std::string_view text) {
    std::string copy(text);
    errno = 0;
    long value = std::strtol(copy.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace textorin

namespace textorin {

int TruncateToInt(double value) {
    if (value != value) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace textorin
