// Airport record lines of the demo database, one per runway, in the scenery writer's
// layout: every field left-justified and cut to its width. Texts are single-byte.
#pragma once

#include <string>

#include "fsinstall/scenery_content.h"

namespace demodata {

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway);

// UTF-8 text as single-byte Latin-1 when every character fits it ("Zürich" keeps its
// ü); else the whole text as plain ASCII, letters without their marks ("Łódź" is
// "Lodz"), and characters that cannot be written so as "?".
std::string Latin1(const std::string& utf8);

// The country as the airport line holds it, trimmed: what Country.nav must name.
std::string CountryField(const std::string& country);

}  // namespace demodata
