// Airport record lines of the demo database, one per runway, in the scenery writer's
// layout: every field left-justified and cut to its width. Texts are single-byte.
#pragma once

#include <string>

#include "fsinstall/scenery_content.h"

namespace demodata {

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway);

// UTF-8 text as single-byte Latin-1; a letter beyond it loses its marks ("Łódź" is
// "Lódz"), and characters that cannot be written so become "?".
std::string Latin1(const std::string& utf8);

// The country as the airport line holds it, trimmed: what Country.nav must name.
std::string CountryField(const std::string& country);

}  // namespace demodata
