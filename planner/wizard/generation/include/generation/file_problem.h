// Why a file of the adventure cannot be written, in the words of Create adventure's
// messages: what a check found before the road, or what a failed write reported.
#pragma once

#include <string>

#include "platform/files.h"

namespace trevalo {

std::string ObstacleText(platform::ReplaceObstacle obstacle);
// For the errno of a failed copy or delete.
std::string WriteFailureText(int errorNumber);

}  // namespace trevalo
