// Aerodrex: airport record lines (their getters and the line kind) and the airport list.
#pragma once

#include "aerodrex/airport_array.h"
#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "aerodrex/line_type.h"
