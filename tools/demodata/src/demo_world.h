// The demo base directory written from the airport database and the land topology.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fsinstall/scenery_content.h"
#include "topology.h"

namespace demodata {

struct DemoCounts {
    size_t airports = 0, runwayLines = 0, countries = 0, navaidLines = 0, ilsLines = 0, tiles = 0;
};

// Writes Airport.nav, Country.nav, Navaids.nav (the NDBs, then the VORs) and Ils.nav (by
// airport and runway), and Map\Map*.tmp (old tiles removed first) into the folder. False
// when a file cannot be written.
bool WriteDemoWorld(const std::filesystem::path& folder, const fsinstall::SceneryContent& world,
                    const std::vector<Ring>& land, DemoCounts& counts);

}  // namespace demodata
