#include "aerodrex/airport_getters.h"

#include "airport_fields.h"

namespace {

using navdata::CopyField;
namespace layout = aerodrex::airport_line;

void CopyAirportOnly(char* out, const char* line, navdata::FieldLayout field) {
    aerodrex::CopyAirportOnlyField(out, aerodrex::AirportLineView(line), field);
}

// The numeric readers look no further than the field they convert.
std::string_view LineUpTo(const char* line, navdata::FieldLayout field) {
    return navdata::BoundedLine(line, field.end());
}

}  // namespace

void GetAirportCity(char* out, const char* line) { CopyAirportOnly(out, line, layout::kCity); }
void GetAirportCountry(char* out, const char* line) { CopyAirportOnly(out, line, layout::kCountry); }
void GetAirportName(char* out, const char* line) { CopyField(out, line, layout::kName); }
void GetAirportID(char* out, const char* line) { CopyField(out, line, layout::kIdent); }
void GetAirportElev(char* out, const char* line) { CopyField(out, line, layout::kElevation); }
void GetAirportLat(char* out, const char* line) { CopyField(out, line, layout::kLatitude); }
void GetAirportLong(char* out, const char* line) { CopyField(out, line, layout::kLongitude); }
void GetAirportAtisFreq(char* out, const char* line) { CopyField(out, line, layout::kAtisFrequency); }
void GetAirportRunway(char* out, const char* line) { CopyField(out, line, layout::kRunwayHeading); }
void GetAirportSurface(char* out, const char* line) { CopyField(out, line, layout::kSurface); }
void GetAirportIlsFreq(char* out, const char* line) { CopyField(out, line, layout::kIlsFrequency); }
void GetAirportIlsId(char* out, const char* line) { CopyField(out, line, layout::kIlsIdent); }
void GetAirportLatBeg(char* out, const char* line) { CopyAirportOnly(out, line, layout::kRunwayStartLatitude); }
void GetAirportLatEnd(char* out, const char* line) { CopyAirportOnly(out, line, layout::kRunwayEndLatitude); }
void GetAirportLonBeg(char* out, const char* line) { CopyAirportOnly(out, line, layout::kRunwayStartLongitude); }
void GetAirportLonEnd(char* out, const char* line) { CopyAirportOnly(out, line, layout::kRunwayEndLongitude); }

double GetAirportRunwayDegree(const char* line) { return aerodrex::RunwayDegree(aerodrex::AirportLineView(line)); }
int GetAirportLenth(const char* line) { return aerodrex::RunwayLength(LineUpTo(line, layout::kRunwayLength)); }
char GetAirportRnw(const char* line) { return aerodrex::RunwaySide(LineUpTo(line, layout::kSide)); }
double GetAirportMagVar(const char* line) { return aerodrex::MagneticVariation(LineUpTo(line, layout::kSide)); }
