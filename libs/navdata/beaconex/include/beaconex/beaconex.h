// Beaconex: navaid and ILS record lines (their getters) and the navaid list.
#pragma once

#include "beaconex/ils_getters.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_array.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
