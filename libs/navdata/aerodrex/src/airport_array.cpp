#include "aerodrex/airport_array.h"

#include <algorithm>
#include <string>

#include "airport_fields.h"
#include "navdata/field_texts.h"
#include "navdata/line_writer.h"
#include "platform/numbers.h"

namespace layout = aerodrex::airport_line;
using navdata::CopyField;
using navdata::FieldText;
using platform::FixedText;
using platform::LeadingDouble;

CAirportArray::CAirportArray() = default;

CAirportArray::CAirportArray(const CAirportArray& other) = default;
CAirportArray& CAirportArray::operator=(const CAirportArray& other) = default;
CAirportArray::CAirportArray(CAirportArray&& other) noexcept = default;
CAirportArray& CAirportArray::operator=(CAirportArray&& other) noexcept = default;

CAirportArray::~CAirportArray() = default;

void CAirportArray::Copy(const CAirportArray& other) {
    if (this == &other) return;
    RemoveAll();
    *this = other;
}

CAirportArray::Record CAirportArray::Parse(const char* text) {
    const std::string_view line = aerodrex::AirportLineView(text);
    Record r{};
    aerodrex::CopyAirportOnlyField(r.city, line, layout::kCity);
    aerodrex::CopyAirportOnlyField(r.country, line, layout::kCountry);
    CopyField(r.name, line, layout::kName);
    CopyField(r.ident, line, layout::kIdent);
    r.elevation = LeadingDouble(FieldText(line, layout::kElevation));
    CopyField(r.latitude, line, layout::kLatitude);
    CopyField(r.longitude, line, layout::kLongitude);
    r.atisFrequency = LeadingDouble(FieldText(line, layout::kAtisFrequency));
    CopyField(r.runwayHeading, line, layout::kRunwayHeading);
    r.side = aerodrex::RunwaySide(line);
    r.runwayLength = aerodrex::RunwayLength(line);
    CopyField(r.surface, line, layout::kSurface);
    r.ilsFrequency = LeadingDouble(FieldText(line, layout::kIlsFrequency));
    CopyField(r.ilsIdent, line, layout::kIlsIdent);
    r.magneticVariation = aerodrex::MagneticVariation(line);
    aerodrex::CopyAirportOnlyField(r.runwayStartLatitude, line, layout::kRunwayStartLatitude);
    aerodrex::CopyAirportOnlyField(r.runwayEndLatitude, line, layout::kRunwayEndLatitude);
    aerodrex::CopyAirportOnlyField(r.runwayStartLongitude, line, layout::kRunwayStartLongitude);
    aerodrex::CopyAirportOnlyField(r.runwayEndLongitude, line, layout::kRunwayEndLongitude);
    return r;
}

bool CAirportArray::Add(const char* line) {
    // Parsed before the sequence grows: the line may point into this list's storage.
    const Record parsed = Parse(line);
    records_.push_back(parsed);
    return true;
}

void CAirportArray::Reserve(int count) {
    if (count > 0) records_.reserve(static_cast<std::size_t>(count));
}

void CAirportArray::Resize(int count) { records_.resize(static_cast<std::size_t>(std::max(0, count))); }

void CAirportArray::SetLine(int i, const char* line) { records_[static_cast<std::size_t>(i)] = Parse(line); }

void CAirportArray::GetALine(char* out, int i) const {
    const Record& r = At(i);
    const navdata::LineWriter writer(out, layout::kWidth);
    writer.PutRight(layout::kCity, r.city);
    writer.PutRight(layout::kCountry, r.country);
    writer.PutRight(layout::kName, r.name);
    writer.PutRight(layout::kIdent, r.ident);
    writer.PutLeft(layout::kElevation, FixedText(r.elevation));
    writer.PutRight(layout::kLatitude, r.latitude);
    writer.PutRight(layout::kLongitude, r.longitude);
    writer.PutRight(layout::kAtisFrequency, navdata::FrequencyFieldText(r.atisFrequency));
    writer.PutRight(layout::kRunwayHeading, r.runwayHeading);
    writer.PutLeft(layout::kRunwayLength, platform::IntText(platform::SaturatingInt(r.runwayLength)));
    writer.PutRight(layout::kSurface, r.surface);
    writer.PutRight(layout::kIlsFrequency, navdata::FrequencyFieldText(r.ilsFrequency));
    writer.PutRight(layout::kIlsIdent, r.ilsIdent);
    writer.PutLeft(layout::kSide, navdata::SideFieldText(r.side, r.magneticVariation));
    writer.PutRight(layout::kRunwayStartLatitude, r.runwayStartLatitude);
    writer.PutRight(layout::kRunwayEndLatitude, r.runwayEndLatitude);
    writer.PutRight(layout::kRunwayStartLongitude, r.runwayStartLongitude);
    writer.PutRight(layout::kRunwayEndLongitude, r.runwayEndLongitude);
}

int CAirportArray::GetSize() const { return static_cast<int>(records_.size()); }

void CAirportArray::RemoveAll() {
    records_.clear();
    records_.shrink_to_fit();
}

const CAirportArray::Record& CAirportArray::At(int i) const { return records_[static_cast<std::size_t>(i)]; }

const char* CAirportArray::GetAID(int i) const { return At(i).ident; }
const char* CAirportArray::GetARnw(int i) const { return At(i).runwayHeading; }
const char* CAirportArray::GetAName(int i) const { return At(i).name; }
const char* CAirportArray::GetALat(int i) const { return At(i).latitude; }
const char* CAirportArray::GetALon(int i) const { return At(i).longitude; }
double CAirportArray::GetAElev(int i) const { return At(i).elevation; }
const char* CAirportArray::GetALatBeg(int i) const { return At(i).runwayStartLatitude; }
const char* CAirportArray::GetALatEnd(int i) const { return At(i).runwayEndLatitude; }
const char* CAirportArray::GetALonBeg(int i) const { return At(i).runwayStartLongitude; }
const char* CAirportArray::GetALonEnd(int i) const { return At(i).runwayEndLongitude; }
double CAirportArray::GetAMagVar(int i) const { return At(i).magneticVariation; }
char CAirportArray::GetARnwSide(int i) const { return At(i).side; }
double CAirportArray::GetAAtisFreq(int i) const { return At(i).atisFrequency; }
