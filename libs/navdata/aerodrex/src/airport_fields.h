// Readers of airport line fields over a line already measured, shared by the exported
// getters and by CAirportArray::Add (which measures each line once).
#pragma once

#include <string_view>

#include "aerodrex/airport_line_layout.h"
#include "navdata/field_reader.h"

namespace aerodrex {

// The line as far as any airport reader looks, plus one character to tell its kind.
inline std::string_view AirportLineView(const char* line) {
    return navdata::BoundedLine(line, airport_line::kWidth + 1);
}

inline bool IsAirportLine(std::string_view line) { return line.size() == airport_line::kWidth; }

// Copies a field that only airport lines are read for; out stays untouched otherwise.
inline void CopyAirportOnlyField(char* out, std::string_view line, navdata::FieldLayout field) {
    if (IsAirportLine(line)) navdata::CopyField(out, line, field);
}

double RunwayDegree(std::string_view line);
int RunwayLength(std::string_view line);
char RunwaySide(std::string_view line);
double MagneticVariation(std::string_view line);

}  // namespace aerodrex
