// CRoutePoint: one point of the map view's route (an airport runway end or a navaid),
// with the kinds, holding values and limit every reader of route points shares.
#pragma once

#include <string>

#include "scenrix/sid_star.h"

namespace trevalo {

inline constexpr int kMaxRoutePoints = 500;

// Route point kinds.
inline constexpr double kPointNone = -1.0;
inline constexpr double kPointAirport = 0.0;
inline constexpr double kPointVor = 1.0;
inline constexpr double kPointNdb = 2.0;
inline constexpr double kPointDme = 3.0;
inline constexpr double kPointIls = 4.0;

// Holding values of an airport point; a value above 0 is the holding navaid's index.
inline constexpr double kNoHolding = -3.0;
inline constexpr double kHoldingNotPlaced = -2.0;
inline constexpr double kHolding10Nm = -1.0;

inline constexpr const char* kVor1Role = "VOR1";
inline constexpr const char* kVor2Role = "VOR2";

class CRoutePoint {
public:
    CRoutePoint() = default;
    CRoutePoint(const CRoutePoint&) = default;
    CRoutePoint& operator=(const CRoutePoint&) = default;
    virtual ~CRoutePoint() = default;

    // Position, kind, course, database number, holding and both strings; the direction
    // flag and the procedure are not compared.
    bool IsEqual(const CRoutePoint& other) const;

    bool IsAirport() const { return type == kPointAirport; }
    bool HasProcedure() const { return procedure.lastIndex != -1; }

    double x = -1.0;  // longitude, arc-seconds, east positive
    double y = -1.0;  // latitude, arc-seconds, north positive
    double type = kPointNone;
    double course = 0.0;          // VOR: radial; airport: heading of the runway direction in use
    double databaseNumber = 0.0;  // 1-based record number in CAirportArray or CNavaidArray
    double holding = kHoldingNotPlaced;
    bool directionFlag = true;  // VOR: TO (true) or FROM; airport: runway end 2 (true) or end 1
    std::string ident;
    std::string vorRole;  // "VOR1", "VOR2" or empty
    SidStar procedure;    // SID or STAR of an airport; lastIndex -1 when none
};

}  // namespace trevalo
