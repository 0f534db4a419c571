// The demo base directory written from the airport database and the land topology.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fsinstall/scenery_content.h"
#include "topology.h"

namespace demodata {

struct DemoCounts {
    size_t airports = 0, runwayLines = 0, countries = 0, tiles = 0;
};

// Writes Airport.nav, Country.nav, empty Navaids.nav and Ils.nav, and Map\Map*.tmp (old
// tiles removed first) into the folder. False when a file cannot be written.
bool WriteDemoWorld(const std::filesystem::path& folder, const std::vector<fsinstall::Airport>& airports,
                    const std::vector<Ring>& land, DemoCounts& counts);

}  // namespace demodata
