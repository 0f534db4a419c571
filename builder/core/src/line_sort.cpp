#include "gathrel/line_sort.h"

#include <algorithm>
#include <cctype>

namespace gathrel {

std::string_view SortKey(std::string_view line) {
    std::string_view key = line.substr(0, kSortKeyWidth);
    while (!key.empty() && std::isspace(static_cast<unsigned char>(key.back()))) key.remove_suffix(1);
    return key;
}

void SortLinesByKey(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
}

}  // namespace gathrel
