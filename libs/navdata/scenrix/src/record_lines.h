// Composing the record lines the scenery reader hands out: every field left-justified
// and cut to its width, so a line always has its exact length (no line end here).
#pragma once

#include <string>

#include "scenrix/airport_struct.h"

namespace scenrix::detail {

struct NavaidRecord {
    std::string type;  // "NDB", "GPS", "VOR" or "ILS"
    std::string ident;
    double frequency = 0.0;  // kHz for an NDB, MHz otherwise
    double latitude = 0.0;
    double longitude = 0.0;
    int elevationFeet = 0;
    std::string name;
};

struct IlsRecord {
    int kind = 0;
    std::string ident;
    std::string airportIdent;
    double latitude = 0.0;
    double longitude = 0.0;
    double frequency = 0.0;
    double heading = 0.0;
    std::string side;  // the runway's side field
};

std::string ComposeNavaidLine(const NavaidRecord& record);
std::string ComposeIlsLine(const IlsRecord& record);
std::string ComposeAirportLine(const CAirportStruct& runway);

}  // namespace scenrix::detail
