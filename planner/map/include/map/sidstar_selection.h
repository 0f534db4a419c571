// What "Select STAR/SID" lists and hands back: the procedures of one type stored for an
// airport and runway (and for "L/R" of a left or right runway), and the chosen
// procedure's legs as fileval records for the landing page.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "map/sidstar_tile_file.h"
#include "scenrix/fileval.h"
#include "scenrix/sid_star.h"

namespace trevalo {

// The list keeps the legs of at most this many procedures.
inline constexpr int kMaxListedProcedures = 10;

struct SidStarRequest {
    std::string airportIdent;
    std::string runway;          // "L16", " 09", ...
    std::string type;            // "SID" or "STAR"
    std::string chosenIdent;     // the procedure chosen before; may be empty
    double latitude = 0.0;       // the airport, signed decimal degrees
    double westLongitude = 0.0;  // west positive
};

struct ListedProcedures {
    std::vector<Procedure> procedures;  // at most kMaxListedProcedures
    bool cut = false;                   // more were stored
    bool legsCut = false;               // a listed one has more than kMaxProcedureLegs legs
};

// Records 1, 2, ... of the runway whose type is the wanted one, then those of its "L/R"
// designator.
ListedProcedures ProceduresOfRunway(const TileContents& contents, const SidStarRequest& request);

// Copies the procedure's legs into storage, leaving room for an empty record after the
// last (the landing page's end mark); returns how many were copied.
int CopyLegRecords(const Procedure& procedure, std::span<fileval> storage);

// Appends the legs' points to the route point's procedure, up to its ten. The points of a
// SidStar are map arc-seconds: x the longitude east-positive, y the latitude; the tile legs
// count degrees with the longitude west-positive.
void AppendProcedurePoints(std::span<const fileval> legs, SidStar& procedure);

}  // namespace trevalo
