// Scenrix: the scenery reader, angle text readers, the SID/STAR and route record
// classes, the colon field splitter and rounding shared by the suite.
#pragma once

#include "scenrix/airport_data.h"
#include "scenrix/airport_struct.h"
#include "scenrix/angle_text.h"
#include "scenrix/colon_fields.h"
#include "scenrix/fileval.h"
#include "scenrix/line_sizes.h"
#include "scenrix/navaids_data.h"
#include "scenrix/rounding.h"
#include "scenrix/scenery_reader.h"
#include "scenrix/sid_star.h"
