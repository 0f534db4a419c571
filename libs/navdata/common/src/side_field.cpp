#include "navdata/side_field.h"

#include "platform/numbers.h"

namespace navdata {

char SideLetter(std::string_view field, std::string_view letters) {
    if (field.empty() || letters.find(field.front()) == std::string_view::npos) return 0;
    return field.front();
}

double SideVariation(std::string_view field, std::string_view letters) {
    if (SideLetter(field, letters) != 0) field.remove_prefix(1);
    return platform::LeadingDouble(field);
}

}  // namespace navdata
