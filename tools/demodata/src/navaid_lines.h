// Navaid and ILS record lines of the demo database, composed as the scenery reader
// composes them from the same navaids in the stand-in's scenery.
#pragma once

#include <string>

#include "fsinstall/scenery_content.h"

namespace demodata {

// "NDB", or "GPS" for a point of no frequency and no elevation, as the reader tells them.
std::string NavaidLine(const fsinstall::Ndb& ndb);
std::string NavaidLine(const fsinstall::Vor& vor);
// An ILS of the runway: the airport's ident and the runway's side field with it.
std::string IlsLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway, const fsinstall::Ils& ils);

}  // namespace demodata
