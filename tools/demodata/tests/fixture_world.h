// The made-up world of the demo data's tests: airports ZQLA (parallel runways 09L/27R
// and 09R/27L) and ZQLB (15/33), as the airport database gives them to the demo, and
// the navaid file fixtures/nav.dat around them, which holds every row of the format.
#pragma once

#include <string>
#include <vector>

#include "fsinstall/scenery_content.h"

namespace demodata::testing {

std::vector<fsinstall::Airport> FixtureAirports();

// The bytes of fixtures/nav.dat.
std::string FixtureNavDat();

}  // namespace demodata::testing
