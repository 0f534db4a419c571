// A field of a fixed-width navigation record line: its first column and its width.
#pragma once

#include <cstddef>

namespace navdata {

struct FieldLayout {
    std::size_t column;
    std::size_t width;

    constexpr std::size_t end() const { return column + width; }
    // Size of a buffer or member that holds the field terminated.
    constexpr std::size_t size() const { return width + 1; }
};

// True when the fields follow one another from column 0 and fill exactly `width`.
template <std::size_t N>
constexpr bool FieldsTile(const FieldLayout (&fields)[N], std::size_t width) {
    std::size_t next = 0;
    for (const FieldLayout& f : fields) {
        if (f.column != next) return false;
        next = f.end();
    }
    return next == width;
}

}  // namespace navdata
