// Feeds arbitrary bytes, as one line, to every record line getter and to both lists;
// every buffer is exactly as large as its getter's field, so an overflow shows.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "aerodrex/aerodrex.h"
#include "beaconex/beaconex.h"

namespace {

template <std::size_t Size>
void Text(void (*getter)(char*, const char*), const char* line) {
    char out[Size];
    getter(out, line);
    if (std::strlen(out) != Size - 1) std::abort();
}

template <std::size_t Size>
void TextOnlyForAirportLines(void (*getter)(char*, const char*), const char* line) {
    char out[Size] = {};
    getter(out, line);
    if (std::strlen(out) > Size - 1) std::abort();
}

void Airport(const std::string& text) {
    namespace a = aerodrex::airport_line;
    const char* line = text.c_str();
    TextOnlyForAirportLines<a::kCity.size()>(GetAirportCity, line);
    TextOnlyForAirportLines<a::kCountry.size()>(GetAirportCountry, line);
    Text<a::kName.size()>(GetAirportName, line);
    Text<a::kIdent.size()>(GetAirportID, line);
    Text<a::kElevation.size()>(GetAirportElev, line);
    Text<a::kLatitude.size()>(GetAirportLat, line);
    Text<a::kLongitude.size()>(GetAirportLong, line);
    Text<a::kAtisFrequency.size()>(GetAirportAtisFreq, line);
    Text<a::kRunwayHeading.size()>(GetAirportRunway, line);
    Text<a::kSurface.size()>(GetAirportSurface, line);
    Text<a::kIlsFrequency.size()>(GetAirportIlsFreq, line);
    Text<a::kIlsIdent.size()>(GetAirportIlsId, line);
    TextOnlyForAirportLines<a::kRunwayStartLatitude.size()>(GetAirportLatBeg, line);
    TextOnlyForAirportLines<a::kRunwayEndLatitude.size()>(GetAirportLatEnd, line);
    TextOnlyForAirportLines<a::kRunwayStartLongitude.size()>(GetAirportLonBeg, line);
    TextOnlyForAirportLines<a::kRunwayEndLongitude.size()>(GetAirportLonEnd, line);
    (void)GetAirportRunwayDegree(line);
    (void)GetAirportLenth(line);
    (void)GetAirportRnw(line);
    (void)GetAirportMagVar(line);
    (void)GetLineType(line);
    (void)GetLineType(text);

    CAirportArray list;
    list.Add(line);
    list.Add(line);
    char composed[a::kWidth + 1];
    list.GetALine(composed, 1);
    if (std::strlen(composed) != a::kWidth) std::abort();
    CAirportArray again(list);
    again.Add(composed);
}

void Navaid(const std::string& text) {
    namespace n = beaconex::navaid_line;
    const char* line = text.c_str();
    Text<n::kCountry.size()>(GetNavaidsCountry, line);
    Text<n::kType.size()>(GetNavaidsType, line);
    Text<n::kIdent.size()>(GetNavaidsID, line);
    Text<n::kFrequency.size()>(GetNavaidsFreq, line);
    Text<n::kLatitude.size()>(GetNavaidsLat, line);
    Text<n::kLongitude.size()>(GetNavaidsLon, line);
    Text<n::kElevation.size()>(GetNavaidsElev, line);
    Text<n::kName.size()>(GetNavaidsName, line);

    CNavaidArray list;
    list.Add(line, 1.0, 2.0);
    list.Add(line, 3.0, 4.0);
    char composed[n::kWidth + 1];
    list.GetNLine(composed, 1);
    if (std::strlen(composed) != n::kWidth) std::abort();
    CNavaidArray again;
    again = list;
    again.Add(composed, 0.0, 0.0);
}

void Ils(const std::string& text) {
    namespace i = beaconex::ils_line;
    const char* line = text.c_str();
    (void)GetilsType(line);
    Text<i::kIdent.size()>(GetilsID, line);
    Text<i::kAirportIdent.size()>(GetilsairportID, line);
    (void)GetilsFreq(line);
    (void)GetilsFreq(text);
    (void)GetilsHdg(line);
    (void)GetilsHdg(text);
    (void)GetilsRnw(line);
    (void)GetilsMagVar(line);
    (void)GetilsMagVar(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Airport(text);
    Navaid(text);
    Ils(text);
    return 0;
}
