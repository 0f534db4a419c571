#include "navdata_testing/getter_calls.h"

#include <algorithm>
#include <cstring>

namespace navdata::testing {

GetterResult CallGetter(TextGetter getter, const char* line, std::size_t size) {
    constexpr std::size_t kGuard = 8;
    constexpr char kFill = '#';
    std::vector<char> out(size + kGuard, kFill);
    getter(out.data(), line);
    GetterResult result;
    result.untouched = std::all_of(out.begin(), out.end(), [](char c) { return c == kFill; });
    result.guardKept =
        std::all_of(out.begin() + static_cast<std::ptrdiff_t>(size), out.end(), [](char c) { return c == kFill; });
    result.text = result.untouched ? std::string() : std::string(out.data(), strnlen(out.data(), size));
    return result;
}

}  // namespace navdata::testing
