// Reading fields by column from a line that may end early: columns past the
// line's terminator read as blanks and are never touched.
#pragma once

#include <cstring>
#include <string_view>

#include "navdata/field_layout.h"

namespace navdata {

// The line up to its terminator, looking at no more than `limit` characters.
// A null line reads as an empty one.
inline std::string_view BoundedLine(const char* line, std::size_t limit) {
    return line ? std::string_view(line, ::strnlen(line, limit)) : std::string_view();
}

// The characters of `field` that the line holds (shorter when the line ends inside it).
inline std::string_view FieldText(std::string_view line, FieldLayout field) {
    if (field.column >= line.size()) return {};
    return line.substr(field.column, field.width);
}

// Copies the field's columns into out, blanks for missing ones, and terminates:
// writes field.size() bytes.
void CopyField(char* out, std::string_view line, FieldLayout field);

// Same, reading the caller's line only as far as the field reaches.
inline void CopyField(char* out, const char* line, FieldLayout field) {
    CopyField(out, BoundedLine(line, field.end()), field);
}

std::string_view Trim(std::string_view text);

}  // namespace navdata
