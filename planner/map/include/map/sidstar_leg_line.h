// The leg line of a SID/STAR record, "t%02d=" and 18 fields each closed by ":", and the
// fileval records that carry legs on to the route and the adventure definition.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "map/sidstar_procedure.h"
#include "scenrix/fileval.h"

namespace trevalo {

// "t%02d=" followed by the leg's fields (no line end).
std::string LegLine(int n, const ProcedureLeg& leg);

// The number n of a line that starts with "t%02d=" (two digits), else nullopt.
std::optional<int> LegLineNumber(std::string_view line);

// The leg of a leg line, its texts cut and numbers clamped to the procedure limits.
ProcedureLeg ParseLegLine(const std::string& line);

// Fills the record from leg n's line and gives it the procedure's ident as its id.
void FillLegRecord(fileval& record, int n, const ProcedureLeg& leg, const std::string& procedureIdent);

}  // namespace trevalo
