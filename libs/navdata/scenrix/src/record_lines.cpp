#include "record_lines.h"

#include <utility>

#include "aerodrex/airport_line_layout.h"
#include "angle_text_internal.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata/line_writer.h"
#include "platform/numbers.h"

namespace scenrix::detail {

namespace {

namespace airport = aerodrex::airport_line;
namespace navaid = beaconex::navaid_line;
namespace ils = beaconex::ils_line;

constexpr int kNavaidFrequencyDecimals = 5;

using Field = std::pair<navdata::FieldSpec, const std::string*>;

template <std::size_t N>
std::string ComposeLeftJustified(std::size_t width, const Field (&fields)[N]) {
    std::string line(width + 1, ' ');
    const navdata::LineWriter writer(line.data(), width);
    for (const auto& [field, text] : fields) {
        writer.PutLeft(field, *text);
    }
    line.resize(width);
    return line;
}

}  // namespace

std::string ComposeNavaidLine(const NavaidRecord& record) {
    const std::string country;
    const std::string frequency = platform::FixedText(record.frequency, kNavaidFrequencyDecimals);
    const std::string latitude = LatitudeToAngleText(record.latitude);
    const std::string longitude = LongitudeToAngleText(record.longitude);
    const std::string elevation = platform::IntText(record.elevationFeet);
    const Field fields[] = {
        {navaid::kCountry, &country},     {navaid::kType, &record.type},
        {navaid::kIdent, &record.ident},  {navaid::kFrequency, &frequency},
        {navaid::kLatitude, &latitude},   {navaid::kLongitude, &longitude},
        {navaid::kElevation, &elevation}, {navaid::kName, &record.name},
    };
    return ComposeLeftJustified(navaid::kWidth, fields);
}

std::string ComposeIlsLine(const IlsRecord& record) {
    const std::string kind = platform::IntText(record.kind);
    const std::string latitude = LatitudeToAngleText(record.latitude);
    const std::string longitude = LongitudeToAngleText(record.longitude);
    const std::string frequency = platform::FixedText(record.frequency);
    const std::string heading = platform::FixedText(record.heading);
    const Field fields[] = {
        {ils::kKind, &kind},           {ils::kIdent, &record.ident},
        {ils::kAirportIdent, &record.airportIdent},
        {ils::kLatitude, &latitude},   {ils::kLongitude, &longitude},
        {ils::kFrequency, &frequency}, {ils::kHeading, &heading},
        {ils::kSide, &record.side},
    };
    return ComposeLeftJustified(ils::kWidth, fields);
}

std::string ComposeAirportLine(const CAirportStruct& r) {
    const Field fields[] = {
        {airport::kCity, &r.city},
        {airport::kCountry, &r.country},
        {airport::kName, &r.airportName},
        {airport::kIdent, &r.airportIdent},
        {airport::kElevation, &r.elevation},
        {airport::kLatitude, &r.latitude},
        {airport::kLongitude, &r.longitude},
        {airport::kAtisFrequency, &r.atisFrequency},
        {airport::kRunwayHeading, &r.runwayHeading},
        {airport::kRunwayLength, &r.runwayLength},
        {airport::kSurface, &r.surfaceName},
        {airport::kIlsFrequency, &r.ilsFrequency},
        {airport::kIlsIdent, &r.ilsIdent},
        {airport::kSide, &r.sideAndMagVar},
        {airport::kRunwayStartLatitude, &r.runwayStartLatitude},
        {airport::kRunwayEndLatitude, &r.runwayEndLatitude},
        {airport::kRunwayStartLongitude, &r.runwayStartLongitude},
        {airport::kRunwayEndLongitude, &r.runwayEndLongitude},
    };
    return ComposeLeftJustified(airport::kWidth, fields);
}

}  // namespace scenrix::detail
