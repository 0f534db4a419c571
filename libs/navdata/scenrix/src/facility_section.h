// The facility section of a scenery file: blocks of items that name countries and
// cities and describe airports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scenery_bytes.h"
#include "scenery_scan.h"

namespace scenrix::detail {

// The section's airport items in their order, each with the data of the country and
// city items before it, so that runs of them may be read on several threads.
struct FacilityAirports {
    struct Item {
        SceneryBytes data;
        SceneryBytes country;
        SceneryBytes city;
    };
    std::vector<Item> items;
};

// Walks the section's blocks and items as far as they can be read.
FacilityAirports ListFacilityAirports(const SceneryBytes& data, std::size_t section);

// Reads items [begin, end) of the list.
void ReadFacilityAirports(const FacilityAirports& airports, std::size_t begin, std::size_t end, SceneryScan& scan);

// Lists and reads the whole section.
void ReadFacilitySection(const SceneryBytes& data, std::size_t section, SceneryScan& scan);

}  // namespace scenrix::detail
