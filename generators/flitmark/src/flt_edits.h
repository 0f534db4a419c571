// What CreateFlt writes into the flight file, worked out from the definition alone.
#pragma once

#include <string>
#include <string_view>
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
std::vector<FltEdit> PlanFltEdits(const adf::Definition& definition, const std::vector<std::string>* waypoints,
                                  int year);

// The n-th line after the key line of label (n = 1: the key's value); empty when the
// label is missing. The label names a key line, so "002" finds "\tSEASON_002:" and
// not a description that happens to hold "002".
std::string ReadLineAfterLabel(const adf::Definition& definition, std::string_view label, size_t n = 1);

// The first navaid line of type "NDB" anywhere in the definition, into line.
bool FindNdbLine(const adf::Definition& definition, std::string& line);

}  // namespace flitmark
