// The facility section of a scenery file: blocks of items that name countries and
// cities and describe airports.
#pragma once

#include <cstddef>

#include "scenery_bytes.h"
#include "scenery_scan.h"

namespace scenrix::detail {

void ReadFacilitySection(const SceneryBytes& data, std::size_t section, SceneryScan& scan);

}  // namespace scenrix::detail
