#include "angle_separators.h"

namespace flitmark {

void SwapAngleSeparators(std::string& angle) {
    const size_t quote = angle.find('\'');
    const size_t dot = angle.find('.');
    if (quote == std::string::npos || dot == std::string::npos) return;
    angle[quote] = '.';
    angle[dot] = '\'';
}

}  // namespace flitmark
