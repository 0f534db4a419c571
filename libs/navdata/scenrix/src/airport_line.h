// The airport line of one runway that the scenery reader found, composed from its texts.
#pragma once

#include <string>

#include "scenrix/airport_struct.h"

namespace scenrix::detail {

std::string ComposeAirportLine(const CAirportStruct& runway);

}  // namespace scenrix::detail
