#include "navdata/line_writer.h"

#include <charconv>
#include <cstring>

#include "navdata/angle_text.h"
#include "platform/numbers.h"

namespace navdata {

LineWriter::LineWriter(char* out, std::size_t width) : out_(out) {
    std::memset(out_, ' ', width);
    out_[width] = '\0';
}

void LineWriter::PutRight(FieldLayout field, std::string_view text) const {
    text = text.substr(0, field.width);
    if (!text.empty()) std::memcpy(out_ + field.end() - text.size(), text.data(), text.size());
}

void LineWriter::PutLeft(FieldLayout field, std::string_view text) const {
    text = text.substr(0, field.width);
    if (!text.empty()) std::memcpy(out_ + field.column, text.data(), text.size());
}

void LineWriter::PutLeftFixed(FieldLayout field, double value, int decimals) const {
    char text[platform::kFixedTextRoom];
    PutLeft(field, std::string_view(text, platform::WriteFixedText(value, decimals, text)));
}

void LineWriter::PutLeftInt(FieldLayout field, int value) const {
    char text[16];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    PutLeft(field, std::string_view(text, end));
}

void LineWriter::PutLeftLatitude(FieldLayout field, double degrees) const {
    char text[kAngleTextRoom];
    PutLeft(field, std::string_view(text, WriteLatitudeAngleText(degrees, text)));
}

void LineWriter::PutLeftLongitude(FieldLayout field, double degrees) const {
    char text[kAngleTextRoom];
    PutLeft(field, std::string_view(text, WriteLongitudeAngleText(degrees, text)));
}

}  // namespace navdata
