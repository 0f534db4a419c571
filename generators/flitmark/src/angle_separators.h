// Angle text as the flight file's start position takes it.
#pragma once

#include <string>

namespace flitmark {

// When the text holds both "'" and ".", the first "'" becomes "." and the character
// where the first "." stood becomes "'": N047* 27'57.00 becomes N047* 27.57'00.
void SwapAngleSeparators(std::string& angle);

}  // namespace flitmark
