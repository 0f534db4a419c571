// The NDB section and the VOR/ILS section of a scenery file, read into navaid lines.
#pragma once

#include <cstddef>
#include <cstdint>

#include "scenery_bytes.h"
#include "scenery_scan.h"

namespace scenrix::detail {

void ReadNdbSection(const SceneryBytes& data, std::size_t section, SceneryScan& scan);
void ReadVorSection(const SceneryBytes& data, std::size_t section, std::uint16_t lowestChannel,
                    std::uint16_t highestChannel, SceneryScan& scan);

}  // namespace scenrix::detail
