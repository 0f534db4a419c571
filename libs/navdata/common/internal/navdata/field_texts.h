// Texts of the airport line's number fields that both the scenery reader and the
// airport list write.
#pragma once

#include <string>

namespace navdata {

// A frequency field: "%f" of the value, empty for 0 (no frequency).
std::string FrequencyFieldText(double megahertz);

// The side field: the side letter (none for 0), then "%f" of the magnetic variation.
std::string SideFieldText(char side, double magneticVariation);

}  // namespace navdata
