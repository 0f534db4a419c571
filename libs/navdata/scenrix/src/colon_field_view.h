// The colon field rule of GetStrAfterNColon as a view into the line, for readers
// inside Scenrix that need whole fields without an output buffer.
#pragma once

#include <string_view>

namespace scenrix::detail {

std::string_view ColonField(std::string_view line, int n);

}  // namespace scenrix::detail
