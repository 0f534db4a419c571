// The leg fields of the SID/STAR editor as the user types them, and what the editor does
// with them: loading a leg into the fields, storing the fields into a leg, the rows of the
// leg list, the leg that Add appends, and the rewriting of a field the user leaves.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "map/sidstar_procedure.h"

namespace trevalo {

struct LegFieldTexts {
    std::string code;
    std::string word;
    std::string latitude;
    std::string longitude;
    std::string minSpeed;
    std::string maxSpeed;
    std::string minAltitude;
    std::string maxAltitude;
    std::string heading;
    std::string headingIdent;
    std::string nextDistance;  // "Distance"
    std::string nextRadial;    // "TO Radial"
    std::string nextIdent;     // "From"
    std::string nextText;      // "Name /Txt"
};

// A leg's position counts as unset while both its latitude and longitude are 0.
bool HasPosition(const ProcedureLeg& leg);

// The fields showing a leg ("%f" positions, "%0.2f" numbers), and the cleared form.
LegFieldTexts LegFieldsOf(const ProcedureLeg& leg);
LegFieldTexts ClearedLegFields();

// The slot with the fields stored into it (texts read as numbers, within the limits); the
// positions looked up for the heading ident and for From stay as they were.
ProcedureLeg StoredLeg(ProcedureLeg slot, const LegFieldTexts& fields);

// The nine cells of a leg's row: code, word, latitude, longitude (empty while unset), then
// speeds, altitudes and heading as "%0.2f".
inline constexpr int kLegColumns = 9;
std::array<std::string, kLegColumns> LegRowTexts(const ProcedureLeg& leg);

// The leg Add appends: code "N" with its word, the speeds and altitudes of the last leg.
ProcedureLeg NewLegAfter(const std::vector<ProcedureLeg>& legs);

// Leg codes: "R", "N", "I", "C", or none.
bool IsLegCode(const std::string& code);
// The word a code fills in: "Initial climb" for "I", "Navaids" for "N".
std::optional<std::string> WordOfLegCode(const std::string& code);

// Distance, TO Radial and Hdg: "%0.2f" when the value has a fraction, else "%d".
std::string WholeOrHundredthsText(const std::string& text);
// A leg's Lat or Lon, typed as degrees or as "D:M:H", rewritten as "%f".
std::string PositionFieldText(const std::string& text);

// A minimum and maximum pair (speeds, altitudes) after one of them was left: the other is
// moved so that minimum <= maximum; values above 0 read "%0.2f", the others empty.
struct LimitTexts {
    std::string minimum;
    std::string maximum;
};
LimitTexts AfterMinimumLeft(const LimitTexts& texts);
LimitTexts AfterMaximumLeft(const LimitTexts& texts);

// The number a field's text reads as; empty or bad text reads 0.
double FieldNumber(const std::string& text);

}  // namespace trevalo
