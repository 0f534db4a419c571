// Rounding by the first decimal digit alone, shared by the navigation libraries
// and the simulator link.
#pragma once

#include "scenrix/export.h"

// Kept in a namespace because the C library already declares ::round(double).
namespace scenrix {

// x truncated towards zero, moved one away from zero when its first decimal digit
// is 5 or more: 2.45 gives 2, 2.5 gives 3, -2.5 gives -3. Results beyond the int
// range saturate; NaN gives 0.
SCENRIX_API int round(double x);

}  // namespace scenrix
