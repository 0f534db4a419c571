#include "navdata/field_texts.h"

#include "platform/numbers.h"

namespace navdata {

std::string FrequencyFieldText(double megahertz) {
    return megahertz == 0.0 ? std::string() : platform::FixedText(megahertz);
}

std::string SideFieldText(char side, double magneticVariation) {
    std::string text = platform::FixedText(magneticVariation);
    if (side != 0) text.insert(text.begin(), side);
    return text;
}

}  // namespace navdata
