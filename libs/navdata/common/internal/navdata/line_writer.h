// Composes a fixed-width line field by field. Every field lands at its own columns and
// a text longer than its field is cut to the field's width, so the line keeps its width.
#pragma once

#include <string_view>

#include "navdata/field_spec.h"

namespace navdata {

class LineWriter {
public:
    // Fills out with `width` blanks and a terminator (width + 1 bytes).
    LineWriter(char* out, std::size_t width);

    void PutRight(FieldSpec field, std::string_view text) const;
    void PutLeft(FieldSpec field, std::string_view text) const;

private:
    char* out_;
};

}  // namespace navdata
