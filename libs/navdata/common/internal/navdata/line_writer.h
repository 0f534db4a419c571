// Composes a fixed-width line field by field. Every field lands at its own columns and
// a text longer than its field is cut to the field's width, so the line keeps its width.
#pragma once

#include <string_view>

#include "navdata/field_layout.h"

namespace navdata {

class LineWriter {
public:
    // Fills out with `width` blanks and a terminator (width + 1 bytes).
    LineWriter(char* out, std::size_t width);

    void PutRight(FieldLayout field, std::string_view text) const;
    void PutLeft(FieldLayout field, std::string_view text) const;
    // The texts of platform::FixedText and IntText and of the angle texts, left-justified,
    // written without a string of their own.
    void PutLeftFixed(FieldLayout field, double value, int decimals = 6) const;
    void PutLeftInt(FieldLayout field, int value) const;
    void PutLeftLatitude(FieldLayout field, double degrees) const;
    void PutLeftLongitude(FieldLayout field, double degrees) const;

private:
    char* out_;
};

}  // namespace navdata
