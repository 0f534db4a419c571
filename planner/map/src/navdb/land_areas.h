// The coloured land areas of the Land*.nav text files: "w:", "x:", "y:" and "z:" lines
// (degrees of west and east longitude, south and north latitude) make an area once all
// four are set; an "rgb(R,G,B)" line colours the next area only.
#pragma once

#include <string>
#include <vector>

#include "map/nav_database.h"

namespace trevalo {

// Appends the areas of one file's lines.
void ReadLandAreas(const std::vector<std::string>& lines, std::vector<LandArea>& areas);

}  // namespace trevalo
