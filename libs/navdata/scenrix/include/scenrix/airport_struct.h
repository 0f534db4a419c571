// CAirportStruct: the eighteen text fields of one runway of an airport, gathered
// from scenery before they are composed into an AirportNavLine.
#pragma once

#include <string>

#include "scenrix/export.h"

class SCENRIX_API CAirportStruct {
public:
    CAirportStruct();
    CAirportStruct(const CAirportStruct& other);
    CAirportStruct& operator=(const CAirportStruct& other);
    ~CAirportStruct();

    std::string latitude;              // 0: angle text of the runway centre
    std::string longitude;             // 1
    std::string runwayStartLatitude;   // 2
    std::string runwayStartLongitude;  // 3
    std::string runwayEndLatitude;     // 4
    std::string runwayEndLongitude;    // 5
    std::string runwayHeading;         // 6
    std::string surfaceName;           // 7
    std::string sideAndMagVar;         // 8: side letter and magnetic variation
    std::string airportIdent;          // 9
    std::string atisFrequency;         // 10
    std::string runwayLength;          // 11
    std::string elevation;             // 12
    std::string airportName;           // 13
    std::string city;                  // 14
    std::string country;               // 15
    std::string ilsIdent;              // 16
    std::string ilsFrequency;          // 17
};
