// What CreateFlt writes into the flight file, worked out from the definition alone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adf/definition.h"

namespace flitmark {

struct FltEdit {
    std::string section;
    std::string key;
    std::string value;
};

// The edits in the order they are made. waypoints are the FLT waypoint lines (the
// first without its "waypoint.0=" prefix); without them the ATC flight plan is left.
std::vector<FltEdit> PlanFltEdits(const adf::Definition& definition,
                                  const std::vector<std::string>* waypoints, int year);

// The first navaid line of type "NDB" anywhere in the definition.
std::optional<std::string> FindNdbLine(const adf::Definition& definition);

}  // namespace flitmark
