// Reads arbitrary text as a leading number; it must read as strtod and strtol read it in
// the C locale (hexadecimal apart, which the readers do not take), and a text that is one
// number as a whole must read as that number.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos || text.find_first_of("xXpP") != std::string::npos) return 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    std::size_t length = 0;
    const double value = platform::LeadingDouble(text, length);
    const bool same = std::isnan(expected) ? std::isnan(value) : value == expected;
    if (!same || length != static_cast<std::size_t>(end - text.c_str())) std::abort();
    const long whole = std::strtol(text.c_str(), nullptr, 10);
    if (platform::LeadingInt(text) != std::clamp<long>(whole, INT_MIN, INT_MAX)) std::abort();
    // A text that is one number as a whole reads the same as its leading number.
    if (const auto whole = platform::ParseInt(text); whole && *whole != platform::LeadingInt(text)) std::abort();
    if (const auto real = platform::ParseDouble(text); real && *real != value) std::abort();
    (void)platform::SaturatingInt(value);
    (void)platform::FixedText(value);
    return 0;
}
