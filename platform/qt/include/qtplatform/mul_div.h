// The platform's MulDiv: number x numerator / denominator with a 64-bit intermediate,
// rounded half away from zero; -1 when the denominator is 0 or the result leaves int.
#pragma once

namespace qtplatform {

int MulDiv(int number, int numerator, int denominator);

}  // namespace qtplatform
