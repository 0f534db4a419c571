// The platform's MulDiv, for the drawing code of the Qt programs.
#pragma once

#include "platform/mul_div.h"

namespace qtplatform {

using platform::MulDiv;

}  // namespace qtplatform
