// The departure airport's runway choice and ILS, read from its route section in the
// definition.
#pragma once

#include <string>

#include "adf/definition.h"
#include "scenrix/airport_data.h"

namespace flitmark {

// Starts from the airport line, no ILS, the runway's beginning and heading 0; then reads
// the tagged lines of the first section that holds the airport line, up to
// "[ENDSECTION]": "[BEG]" or "[END]" with the runway heading, and "[ILS]" followed by
// the ILS line.
CAirportData ReadLandingBlock(const adf::Definition& definition, const std::string& airportLine);

}  // namespace flitmark
