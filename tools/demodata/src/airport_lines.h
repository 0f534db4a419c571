// Airport record lines of the demo database, one per runway, in the scenery writer's
// layout: every field left-justified and cut to its width. Texts are single-byte.
#pragma once

#include <string>

#include "fsinstall/scenery_content.h"

namespace demodata {

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway);

// The runway's side field: its side letter and the magnetic variation, which its ILS
// lines repeat.
std::string RunwaySideField(const fsinstall::Runway& runway);

// The country as the airport line holds it, trimmed: what Country.nav must name.
std::string CountryField(const std::string& country);

}  // namespace demodata
