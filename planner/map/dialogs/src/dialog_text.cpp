#include "dialog_text.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace trevalo::mapdialogs_detail {

std::string Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string UpperCased(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return text;
}

std::string StaticText(std::string_view templateText) {
    std::string shown;
    for (size_t i = 0; i < templateText.size(); ++i) {
        shown += templateText[i];
        if (templateText[i] == '&' && i + 1 < templateText.size() && templateText[i + 1] == '&') ++i;
    }
    return shown;
}

}  // namespace trevalo::mapdialogs_detail
