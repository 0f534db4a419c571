#include <string_view>

#include "ascii_case.h"
#include "platform/file_search.h"

namespace platform {
namespace {

bool MatchFrom(std::string_view pattern, std::string_view name) {
    // Greedy match with one back-track point: the position after the last '*'.
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || ToLowerAscii(pattern[p]) == ToLowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    if (MatchFrom(pattern, name)) return true;
    // "name.*" also stands for "name" without any extension.
    const std::string_view view = pattern;
    if (view.size() >= 2 && view.ends_with(".*") && name.find('.') == std::string::npos)
        return MatchFrom(view.substr(0, view.size() - 2), name);
    return false;
}

}  // namespace platform
