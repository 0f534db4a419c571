#include "navdata/record_lines.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

#include "aerodrex/airport_line_layout.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata/line_writer.h"
#include "platform/numbers.h"

namespace navdata {
namespace {

namespace airport = aerodrex::airport_line;
namespace navaid = beaconex::navaid_line;
namespace ils = beaconex::ils_line;

constexpr int kNavaidFrequencyDecimals = 5;
constexpr char kLineEnd[] = "\r\n";

// The airport texts in the order of the layout's fields.
constexpr std::string AirportLineTexts::*kAirportTexts[] = {
    &AirportLineTexts::city,
    &AirportLineTexts::country,
    &AirportLineTexts::name,
    &AirportLineTexts::ident,
    &AirportLineTexts::elevation,
    &AirportLineTexts::latitude,
    &AirportLineTexts::longitude,
    &AirportLineTexts::atisFrequency,
    &AirportLineTexts::runwayHeading,
    &AirportLineTexts::runwayLength,
    &AirportLineTexts::surface,
    &AirportLineTexts::ilsFrequency,
    &AirportLineTexts::ilsIdent,
    &AirportLineTexts::side,
    &AirportLineTexts::runwayStartLatitude,
    &AirportLineTexts::runwayEndLatitude,
    &AirportLineTexts::runwayStartLongitude,
    &AirportLineTexts::runwayEndLongitude,
};
static_assert(std::size(kAirportTexts) == std::size(airport::kFields));
static_assert(std::tuple_size_v<AirportLineViews> == std::size(airport::kFields));

// texts[i] left-justified in fields[i], on a line of blanks, in line's storage.
void PutLeftJustifiedLine(std::size_t width, std::span<const FieldLayout> fields,
                          std::span<const std::string_view> texts, std::string& line) {
    line.resize(width + 1);
    const LineWriter writer(line.data(), width);
    for (std::size_t i = 0; i < fields.size(); ++i) writer.PutLeft(fields[i], texts[i]);
    line.resize(width);
}

std::string LeftJustifiedLine(std::size_t width, std::span<const FieldLayout> fields,
                              std::span<const std::string_view> texts) {
    std::string line;
    PutLeftJustifiedLine(width, fields, texts, line);
    return line;
}

}  // namespace

std::string ComposeAirportLine(const AirportLineTexts& texts) {
    AirportLineViews views;
    for (std::size_t i = 0; i < std::size(kAirportTexts); ++i) views[i] = texts.*kAirportTexts[i];
    return ComposeAirportLineFromViews(views);
}

std::string ComposeAirportLineFromViews(const AirportLineViews& texts) {
    return LeftJustifiedLine(airport::kWidth, airport::kFields, texts);
}

std::string ComposeNavaidLine(const NavaidLineValues& v) {
    std::string line;
    ComposeNavaidLine(v, line);
    return line;
}

void ComposeNavaidLine(const NavaidLineValues& v, std::string& line) {
    const std::string frequency = platform::FixedText(v.frequency, kNavaidFrequencyDecimals);
    const std::string elevation = platform::IntText(v.elevationFeet);
    const std::string_view texts[] = {v.country,  v.type,      v.ident,   frequency,
                                      v.latitude, v.longitude, elevation, v.name};
    static_assert(std::size(texts) == std::size(navaid::kFields));
    PutLeftJustifiedLine(navaid::kWidth, navaid::kFields, texts, line);
}

std::string ComposeIlsLine(const IlsLineValues& v) {
    std::string line;
    ComposeIlsLine(v, line);
    return line;
}

void ComposeIlsLine(const IlsLineValues& v, std::string& line) {
    const std::string kind = platform::IntText(v.kind);
    const std::string frequency = platform::FixedText(v.frequency);
    const std::string heading = platform::FixedText(v.heading);
    const std::string_view texts[] = {kind,        v.ident,   v.airportIdent, v.latitude,
                                      v.longitude, frequency, heading,        v.side};
    static_assert(std::size(texts) == std::size(ils::kFields));
    PutLeftJustifiedLine(ils::kWidth, ils::kFields, texts, line);
}

std::string DatabaseBytes(const std::vector<std::string>& records, std::size_t width) {
    return DatabaseBytes(records, width, records.size());
}

std::string DatabaseBytes(const std::vector<std::string>& records, std::size_t width, std::size_t count) {
    std::string bytes = std::to_string(count);
    bytes.resize(std::max(bytes.size(), width), ' ');
    bytes += kLineEnd;
    bytes.reserve(bytes.size() + records.size() * (width + 2));
    for (const std::string& record : records) bytes.append(record).append(kLineEnd);
    return bytes;
}

}  // namespace navdata
