#include "beaconex/navaid_getters.h"

#include "beaconex/navaid_line_layout.h"
#include "navdata/field_reader.h"

using navdata::CopyField;
namespace layout = beaconex::navaid_line;

void GetNavaidsCountry(char* out, const char* line) { CopyField(out, line, layout::kCountry); }
void GetNavaidsType(char* out, const char* line) { CopyField(out, line, layout::kType); }
void GetNavaidsID(char* out, const char* line) { CopyField(out, line, layout::kIdent); }
void GetNavaidsFreq(char* out, const char* line) { CopyField(out, line, layout::kFrequency); }
void GetNavaidsLat(char* out, const char* line) { CopyField(out, line, layout::kLatitude); }
void GetNavaidsLon(char* out, const char* line) { CopyField(out, line, layout::kLongitude); }
void GetNavaidsElev(char* out, const char* line) { CopyField(out, line, layout::kElevation); }
void GetNavaidsName(char* out, const char* line) { CopyField(out, line, layout::kName); }
