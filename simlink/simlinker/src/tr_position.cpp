// Latitude and longitude: each read takes both coordinates, each write puts back all four
// fields, one request each.
#include <optional>

#include "conversions.h"
#include "field_access.h"
#include "simlinker/global_block.h"
#include "simlinker/simlinker.h"

namespace {

using namespace simlink;
using namespace simlink::global_block;

struct Position {
    EncodedCoordinate latitude;
    EncodedCoordinate longitude;
};

// nullopt when a field cannot be read; the reading stops there.
std::optional<Position> ReadPosition(LinkCall& call) {
    Position position;
    if (!ReadAll(call, At(kLatitudeHigh, position.latitude.high), At(kLatitudeLow, position.latitude.low),
                 At(kLongitudeHigh, position.longitude.high), At(kLongitudeLow, position.longitude.low)))
        return std::nullopt;
    return position;
}

int WritePosition(LinkCall& call, const Position& position) {
    WriteField(call, kLatitudeHigh, position.latitude.high);
    WriteField(call, kLatitudeLow, position.latitude.low);
    WriteField(call, kLongitudeHigh, position.longitude.high);
    return WriteField(call, kLongitudeLow, position.longitude.low);
}

// The position with one coordinate replaced, written back; nothing is written when the
// position cannot be read.
template <class Replace>
int ReplaceCoordinate(Replace replace) {
    LinkCall call;
    const std::optional<Position> read = ReadPosition(call);
    if (!read) return 0;
    return WritePosition(call, replace(*read));
}

}  // namespace

extern "C" {

double TR_GetFSLat() {
    LinkCall call;
    const std::optional<Position> position = ReadPosition(call);
    return position ? LatitudeDegrees(position->latitude) : 0.0;
}

double TR_GetFSLon() {
    LinkCall call;
    const std::optional<Position> position = ReadPosition(call);
    return position ? LongitudeDegrees(position->longitude) : 0.0;
}

int TR_SetFSLat(double degrees) {
    return ReplaceCoordinate([degrees](const Position& read) {
        return Position{EncodeLatitude(degrees), EncodeLongitude(LongitudeDegrees(read.longitude))};
    });
}

int TR_SetFSLon(double degrees) {
    return ReplaceCoordinate([degrees](const Position& read) {
        return Position{EncodeLatitude(LatitudeDegrees(read.latitude)), EncodeLongitude(degrees)};
    });
}

}  // extern "C"
