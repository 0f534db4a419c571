// Latitude and longitude: each read takes both coordinates, each write puts back all four
// fields, one request each.
#include "conversions.h"
#include "field_access.h"
#include "simlinker/global_block.h"

namespace {

using namespace simlink;
using namespace simlink::global_block;

struct Position {
    EncodedCoordinate latitude;
    EncodedCoordinate longitude;
};

Position ReadPosition() {
    Position position;
    position.latitude.high = ReadField<std::int32_t>(kLatitudeHigh);
    position.latitude.low = ReadField<std::int32_t>(kLatitudeLow);
    position.longitude.high = ReadField<std::int32_t>(kLongitudeHigh);
    position.longitude.low = ReadField<std::int32_t>(kLongitudeLow);
    return position;
}

int WritePosition(const Position& position) {
    WriteField(kLatitudeHigh, position.latitude.high);
    WriteField(kLatitudeLow, position.latitude.low);
    WriteField(kLongitudeHigh, position.longitude.high);
    return WriteField(kLongitudeLow, position.longitude.low);
}

}  // namespace

extern "C" {

double TR_GetFSLat() { return LatitudeDegrees(ReadPosition().latitude); }
double TR_GetFSLon() { return LongitudeDegrees(ReadPosition().longitude); }

int TR_SetFSLat(double degrees) {
    const Position read = ReadPosition();
    return WritePosition({EncodeLatitude(degrees), EncodeLongitude(LongitudeDegrees(read.longitude))});
}

int TR_SetFSLon(double degrees) {
    const Position read = ReadPosition();
    return WritePosition({EncodeLatitude(LatitudeDegrees(read.latitude)), EncodeLongitude(degrees)});
}

}  // extern "C"
