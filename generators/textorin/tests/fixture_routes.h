// The fixture routes the whole-source tests generate: one airport; two airports with a
// VOR and an NDB; four airports with SID/STAR, ILS, holding and sounds.
#pragma once

#include <string>

#include "definition_builder.h"

namespace textorin::testing {

// A SID/STAR leg text at a position with its altitude limits.
std::string LegText(double latitude, double longitude, int minAltitude, int maxAltitude);

DefinitionBuilder OneAirportRoute();
DefinitionBuilder TwoAirportsVorNdbRoute();
// soundFolder: the value of the sound option ("C:\Quillet\Wav\").
DefinitionBuilder FourAirportsFullRoute(const std::string& soundFolder);

}  // namespace textorin::testing
