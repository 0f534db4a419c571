// CAirportData: the landing data of one route airport, its record lines, runway
// choice and SID/STAR.
#pragma once

#include "scenrix/export.h"
#include "scenrix/line_sizes.h"
#include "scenrix/sid_star.h"

class SCENRIX_API CAirportData {
public:
    CAirportData();
    ~CAirportData();
    CAirportData(const CAirportData& other);
    CAirportData& operator=(const CAirportData& other);

    char airportLine[scenrix::kAirportLineSize] = {};  // AirportNavLine
    char ilsLine[scenrix::kIlsLineSize] = {};          // IlsNavLine
    double runwayHeading = 0.0;
    bool runwayBegin = true;  // true: the route uses the runway from its start; false: from its end
    SidStar sidStar;
    ExtraStar extraStar;
};
