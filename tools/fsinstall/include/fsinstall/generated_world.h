// A made-up world for benchmarks: many airports of three runways each with their ends,
// an ILS on the first, ATIS, and an NDB and a VOR beside each airport.
#pragma once

#include "fsinstall/scenery_content.h"

namespace fsinstall {

SceneryContent GeneratedWorld(int airports);

}  // namespace fsinstall
