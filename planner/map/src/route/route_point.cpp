#include "map/route_point.h"

namespace trevalo {

bool CRoutePoint::IsEqual(const CRoutePoint& other) const {
    return x == other.x && y == other.y && type == other.type && course == other.course &&
           databaseNumber == other.databaseNumber && holding == other.holding && ident == other.ident &&
           vorRole == other.vorRole;
}

}  // namespace trevalo
