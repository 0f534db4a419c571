// The airport line of one runway that the scenery reader found, composed from its texts.
#pragma once

#include <string>

#include "scenrix/airport_struct.h"

namespace scenrix::detail {

// The runway's texts move into the line.
std::string ComposeAirportLine(CAirportStruct&& runway);

}  // namespace scenrix::detail
