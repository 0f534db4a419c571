// The key lines of a SID/STAR record, in the order the writer puts them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "map/sidstar_procedure.h"

namespace trevalo::sidstar_detail {

inline constexpr const char* kHeaderFormat = "[%03d]";

struct KeyField {
    const char* key;                     // with its "="
    std::string ProcedureHeader::*text;  // null for the magnetic variation
};

inline constexpr KeyField kKeyFields[] = {
    {"aid=", &ProcedureHeader::airportIdent},
    {"rnw=", &ProcedureHeader::runway},
    {"anm=", &ProcedureHeader::airportName},
    {"cou=", &ProcedureHeader::country},
    {"aut=", &ProcedureHeader::author},
    {"typ=", &ProcedureHeader::type},
    {"tid=", &ProcedureHeader::procedureIdent},
    {"tnm=", &ProcedureHeader::procedureName},
    {"tmv=", nullptr},
};

// The number of a header line: "[" digits "]" and nothing else but blanks around it.
std::optional<int> HeaderNumber(std::string_view line);

}  // namespace trevalo::sidstar_detail
