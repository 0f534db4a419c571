// CNavaidsData: one navaid of a route, its record line and the route's flags.
#pragma once

#include "scenrix/export.h"
#include "scenrix/line_sizes.h"

class SCENRIX_API CNavaidsData {
public:
    CNavaidsData();
    CNavaidsData(const CNavaidsData& other);
    CNavaidsData& operator=(const CNavaidsData& other);

    char navaidLine[scenrix::kNavaidLineSize] = {};  // NavaidNavLine
    bool firstFlag = true;
    bool secondFlag = true;
    int firstValue = 0;
    int secondValue = 0;
    int index = -1;
};
