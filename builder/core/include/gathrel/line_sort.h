// The builder's order of lines: by their first 30 characters with trailing white space
// removed, compared byte by byte; lines of equal keys keep their order. For navaid
// lines that is the country, for airport lines the city, for countries the name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gathrel {

inline constexpr std::size_t kSortKeyWidth = 30;

std::string_view SortKey(std::string_view line);

void SortLinesByKey(std::vector<std::string>& lines);

}  // namespace gathrel
