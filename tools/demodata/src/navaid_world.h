// The navaids and ILS of the nav.dat navaid file in the demo world: NDBs and VORs as
// navaids, each localizer as an ILS of the airport runway it serves.
#pragma once

#include <cstddef>
#include <vector>

#include "fsinstall/scenery_content.h"
#include "nav_dat.h"

namespace demodata {

struct NavaidWorldCounts {
    std::size_t ndbs = 0, vors = 0, ils = 0;  // written
    std::size_t dmesOfVors = 0;               // a DME or TACAN at a VOR of its ident: that VOR's, no navaid of its own
    std::size_t otherDmes = 0;                // the other DMEs and TACANs: the scenery has no kind for them
    std::size_t offBand = 0;                  // a frequency the scenery cannot hold
    std::size_t ilsWithoutAirport = 0;
    std::size_t ilsWithoutRunway = 0;  // none of the airport's runways lies along the localizer
    std::size_t ilsRepeated = 0;       // the same localizer again, every field alike
    std::size_t ilsParts = 0;          // glide slopes and markers, which no record line holds
};

// Appends the records' NDBs and VORs to the world's, names and idents single-byte, and
// gives each localizer to the runway of world.airports that it lies along: the runway of
// the localizer's airport whose heading, either way, is nearest its course within a few
// degrees, and of those the one whose centre line passes nearest it.
NavaidWorldCounts AddNavaids(const std::vector<NavDatRecord>& records, fsinstall::SceneryContent& world);

}  // namespace demodata
