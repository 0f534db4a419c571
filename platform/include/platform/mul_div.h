// MulDiv: number x numerator / denominator with a 64-bit intermediate, rounded half away
// from zero; -1 when the denominator is 0 or the result leaves int. The drawing and
// scrolling code of every program scales with it.
#pragma once

#include "platform/export.h"

namespace platform {

PLATFORM_API int MulDiv(int number, int numerator, int denominator);

}  // namespace platform
