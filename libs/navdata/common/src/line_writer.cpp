#include "navdata/line_writer.h"

#include <cstring>

namespace navdata {

LineWriter::LineWriter(char* out, std::size_t width) : out_(out) {
    std::memset(out_, ' ', width);
    out_[width] = '\0';
}

void LineWriter::PutRight(FieldSpec field, std::string_view text) const {
    text = text.substr(0, field.width);
    if (!text.empty()) std::memcpy(out_ + field.end() - text.size(), text.data(), text.size());
}

void LineWriter::PutLeft(FieldSpec field, std::string_view text) const {
    text = text.substr(0, field.width);
    if (!text.empty()) std::memcpy(out_ + field.column, text.data(), text.size());
}

}  // namespace navdata
