// The weather file named on Wx's command line: the planner starts Wx with one argument,
// "l:" and the file's path (quoted, so a path with blanks stays one argument).
#pragma once

#include <span>
#include <string>

namespace wx {

// The rest of the first argument that starts with "l:"; empty when none does. The
// arguments are those after the program's name.
std::string WeatherFileFromArguments(std::span<const std::string> arguments);

}  // namespace wx
