#include "scenrix/colon_fields.h"

#include "colon_field_view.h"
#include "fixed_text.h"

namespace scenrix::detail {

namespace {

constexpr char kFieldEnd = ':';
constexpr char kKeyEnd = '=';

// The text of field 0: before the first colon, or after a key's "=" in front of it.
std::string_view FirstField(std::string_view line, std::size_t firstColon) {
    const std::size_t keyEnd = line.find(kKeyEnd);
    if (keyEnd == std::string_view::npos) {
        return line.substr(0, firstColon);
    }
    if (keyEnd < firstColon) {
        return line.substr(keyEnd + 1, firstColon - keyEnd - 1);
    }
    return {};
}

}  // namespace

std::string_view ColonField(std::string_view line, int n) {
    const std::size_t firstColon = line.find(kFieldEnd);
    if (n < 0 || firstColon == std::string_view::npos) {
        return {};
    }
    if (n == 0) {
        return FirstField(line, firstColon);
    }
    std::size_t fieldStart = firstColon + 1;
    for (int opened = 1; opened < n; ++opened) {
        const std::size_t colon = line.find(kFieldEnd, fieldStart);
        if (colon == std::string_view::npos) {
            return {};
        }
        fieldStart = colon + 1;
    }
    const std::size_t fieldEnd = line.find(kFieldEnd, fieldStart);
    if (fieldEnd == std::string_view::npos) {
        return {};
    }
    return line.substr(fieldStart, fieldEnd - fieldStart);
}

}  // namespace scenrix::detail

void GetStrAfterNColon(int n, const char* line, char* out, std::size_t outSize) {
    const std::string_view field = line == nullptr ? std::string_view{} : scenrix::detail::ColonField(line, n);
    scenrix::detail::CopyCut(field, out, outSize);
}

void GetStrAfterNColon(int n, const char* line, char* out) {
    GetStrAfterNColon(n, line, out, scenrix::kColonFieldCapacity);
}
