// The departure airport's landing data as the flight file needs it: its record line,
// runway choice and ILS, from its route section.
#pragma once

#include "adf/route_file.h"
#include "scenrix/airport_data.h"

namespace flitmark {

// A section without a runway line starts at the runway's beginning with heading 0.
CAirportData ReadLandingBlock(const adf::AirportSection& section);

}  // namespace flitmark
