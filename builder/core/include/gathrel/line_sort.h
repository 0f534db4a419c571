// The builder's order of lines: by their first 30 characters with trailing white space
// removed, compared byte by byte; lines of equal keys keep their order. For navaid
// lines that is the country, for airport lines the city, for countries the name.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gathrel {

inline constexpr std::size_t kSortKeyWidth = 30;

std::string_view SortKey(std::string_view line);

// Told of each item that the sort puts before items of greater keys that stood before
// it: its key and that of the first item it passes.
using SwapObserver = std::function<void(std::string_view smaller, std::string_view greater)>;

// A stable merge sort by keyOf(item), a string_view into the item.
template <class T, class KeyOf>
void SortByKey(std::vector<T>& items, KeyOf keyOf, const SwapObserver& onSwap = {}) {
    const std::size_t size = items.size();
    std::vector<T> merged(size);
    for (std::size_t width = 1; width < size; width *= 2) {
        for (std::size_t begin = 0; begin < size; begin += 2 * width) {
            const std::size_t middle = std::min(begin + width, size);
            const std::size_t end = std::min(begin + 2 * width, size);
            std::size_t left = begin, right = middle, out = begin;
            while (left < middle && right < end) {
                const std::string_view passed = keyOf(items[left]);
                const std::string_view next = keyOf(items[right]);
                if (next < passed) {
                    if (onSwap) onSwap(next, passed);
                    merged[out++] = std::move(items[right++]);
                } else {
                    merged[out++] = std::move(items[left++]);
                }
            }
            out = std::move(items.begin() + left, items.begin() + middle, merged.begin() + out) - merged.begin();
            std::move(items.begin() + right, items.begin() + end, merged.begin() + out);
        }
        items.swap(merged);
    }
}

void SortLinesByKey(std::vector<std::string>& lines, const SwapObserver& onSwap = {});

}  // namespace gathrel
