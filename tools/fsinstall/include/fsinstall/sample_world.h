// A small built-in world for tests: a few airports (parallel runways, an ILS, ATIS,
// a runway without end records), NDBs (one a plain waypoint), VORs and ILS beams.
#pragma once

#include "fsinstall/scenery_content.h"

namespace fsinstall {

SceneryContent SampleWorld();

}  // namespace fsinstall
