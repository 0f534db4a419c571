#include "gathrel/line_sort.h"

#include <cctype>

namespace gathrel {

std::string_view SortKey(std::string_view line) {
    std::string_view key = line.substr(0, kSortKeyWidth);
    while (!key.empty() && std::isspace(static_cast<unsigned char>(key.back()))) key.remove_suffix(1);
    return key;
}

void SortLinesByKey(std::vector<std::string>& lines, const SwapObserver& onSwap) {
    SortByKey(
        lines, [](const std::string& line) { return SortKey(line); }, onSwap);
}

}  // namespace gathrel
