#include "beaconex/ils_getters.h"

#include "beaconex/ils_line_layout.h"
#include "navdata/field_reader.h"
#include "navdata/side_field.h"
#include "platform/numbers.h"

namespace layout = beaconex::ils_line;

namespace {

// The field's columns as far as the line reaches, reading no further than the field.
std::string_view Field(const char* line, navdata::FieldLayout field) {
    return navdata::FieldText(navdata::BoundedLine(line, field.end()), field);
}

}  // namespace

int GetilsType(const char* line) { return platform::LeadingInt(Field(line, layout::kKind)); }

void GetilsID(char* out, const char* line) { navdata::CopyField(out, line, layout::kIdent); }

void GetilsairportID(char* out, const char* line) { navdata::CopyField(out, line, layout::kAirportIdent); }

double GetilsFreq(const char* line) { return platform::LeadingDouble(Field(line, layout::kFrequency)); }

double GetilsHdg(const char* line) { return platform::LeadingDouble(Field(line, layout::kHeading)); }

char GetilsRnw(const char* line) { return navdata::SideLetter(Field(line, layout::kSide), layout::kSideLetters); }

double GetilsMagVar(const char* line) {
    return navdata::SideVariation(Field(line, layout::kSide), layout::kSideLetters);
}

// The getters read no column past the line's width, so the text up to its first
// terminator is all they need.
double GetilsFreq(std::string line) { return GetilsFreq(line.c_str()); }
double GetilsHdg(std::string line) { return GetilsHdg(line.c_str()); }
double GetilsMagVar(std::string line) { return GetilsMagVar(line.c_str()); }
