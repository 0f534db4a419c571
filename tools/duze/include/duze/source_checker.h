// The structure checks of the stand-in adventure compiler: blocks closed (IF ...
// ENDIF, WHILE ... ENDWHILE), strings closed, every GOSUB, GOTO and ONEXP_CLEAR
// target defined as a label, every variable declared, and the statements with values
// in them well formed (PERFORMANCE, KV( ), speed comparisons). Labels and variables
// match without regard to case, as in the adventure language.
#pragma once

#include <string>
#include <vector>

namespace duze {

struct SourceError {
    int line = 0;  // from 1
    std::string message;
};

// The errors of a source given as its lines (without line ends), in line order.
std::vector<SourceError> CheckSource(const std::vector<std::string>& lines);

}  // namespace duze
