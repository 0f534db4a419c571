#include "scanned_runway.h"

#include <cstring>
#include <string_view>

#include "aerodrex/airport_line_layout.h"
#include "navdata/line_writer.h"
#include "platform/numbers.h"

namespace scenrix::detail {

namespace {

namespace field = aerodrex::airport_line;

// The side letter and the variation's six-decimal text, into out (kSideTextRoom bytes).
constexpr std::size_t kSideTextRoom = 1 + platform::kFixedTextRoom;

std::string_view WriteSideText(const ScannedRunway& runway, char* out) {
    if (!runway.hasSide) return {};
    const std::size_t letter = std::strlen(runway.sideLetter);
    std::memcpy(out, runway.sideLetter, letter);
    return std::string_view(out, letter + platform::WriteFixedText(runway.variation, 6, out + letter));
}

void PutEnd(const navdata::LineWriter& out, navdata::FieldLayout latitude, navdata::FieldLayout longitude,
            const RunwayEndPoint& point) {
    if (!point.set) return;
    out.PutLeftLatitude(latitude, point.latitude);
    out.PutLeftLongitude(longitude, point.longitude);
}

}  // namespace

std::string ScannedRunway::SideText() const {
    char text[kSideTextRoom];
    return std::string(WriteSideText(*this, text));
}

double SixDecimals(double value) { return platform::FixedTextValue(value, 6); }

// The fields composed in a buffer at hand and the line copied once into its storage,
// which is seldom in the cache; the ILS fields stay blank.
void ComposeRunwayLine(const ScannedRunway& r, const AirportTexts& airport, std::string& line) {
    char text[field::kWidth + 1];
    const navdata::LineWriter out(text, field::kWidth);
    out.PutLeft(field::kCity, airport.city);
    out.PutLeft(field::kCountry, airport.country);
    out.PutLeft(field::kName, airport.name);
    out.PutLeft(field::kIdent, r.ident);
    out.PutLeftFixed(field::kElevation, r.elevationFeet);
    out.PutLeftLatitude(field::kLatitude, r.latitude);
    out.PutLeftLongitude(field::kLongitude, r.longitude);
    if (r.atisFrequency) out.PutLeftFixed(field::kAtisFrequency, *r.atisFrequency);
    out.PutLeftFixed(field::kRunwayHeading, r.heading);
    out.PutLeftInt(field::kRunwayLength, r.length);
    out.PutLeft(field::kSurface, r.surface);
    char side[kSideTextRoom];
    out.PutLeft(field::kSide, WriteSideText(r, side));
    PutEnd(out, field::kRunwayStartLatitude, field::kRunwayStartLongitude, r.start);
    PutEnd(out, field::kRunwayEndLatitude, field::kRunwayEndLongitude, r.end);
    text[field::kWidth] = '\n';
    line.assign(text, sizeof text);
}

}  // namespace scenrix::detail
