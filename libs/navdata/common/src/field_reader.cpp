#include "navdata/field_reader.h"

namespace navdata {

void CopyField(char* out, std::string_view line, FieldLayout field) {
    const std::string_view text = FieldText(line, field);
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    std::memset(out + text.size(), ' ', field.width - text.size());
    out[field.width] = '\0';
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace navdata
