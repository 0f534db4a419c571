// The GPS section that AddGpsToFlt appends to the flight file.
#pragma once

#include <string>
#include <vector>

namespace flitmark {

// Lines to append, from the flight file's own name and the flight plan's lines.
std::vector<std::string> GpsSectionLines(const std::string& fltName, const std::vector<std::string>& planLines);

}  // namespace flitmark
