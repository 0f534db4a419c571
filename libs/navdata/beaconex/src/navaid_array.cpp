#include "beaconex/navaid_array.h"

#include "navdata/field_reader.h"
#include "navdata/line_writer.h"
#include "platform/numbers.h"

namespace layout = beaconex::navaid_line;
using navdata::CopyField;
using navdata::FieldText;
using platform::FixedText;

namespace {

float FieldValue(std::string_view line, navdata::FieldLayout field) {
    return platform::NarrowToFloat(platform::LeadingDouble(FieldText(line, field)));
}

}  // namespace

CNavaidArray::CNavaidArray() : record_{} {}

CNavaidArray::CNavaidArray(const CNavaidArray& other) = default;
CNavaidArray& CNavaidArray::operator=(const CNavaidArray& other) = default;
CNavaidArray::CNavaidArray(CNavaidArray&& other) noexcept = default;
CNavaidArray& CNavaidArray::operator=(CNavaidArray&& other) noexcept = default;

CNavaidArray::~CNavaidArray() = default;

void CNavaidArray::Copy(const CNavaidArray& other) {
    if (this == &other) return;
    RemoveAll();
    *this = other;
}

CNavaidArray::Record CNavaidArray::Parse(const char* text, double x, double y) {
    const std::string_view line = navdata::BoundedLine(text, layout::kWidth);
    Record r{};
    CopyField(r.country, line, layout::kCountry);
    CopyField(r.ident, line, layout::kIdent);
    CopyField(r.latitude, line, layout::kLatitude);
    CopyField(r.longitude, line, layout::kLongitude);
    CopyField(r.name, line, layout::kName);
    CopyField(r.type, line, layout::kType);
    r.elevation = FieldValue(line, layout::kElevation);
    r.frequency = FieldValue(line, layout::kFrequency);
    r.x = x;
    r.y = y;
    return r;
}

bool CNavaidArray::Add(const char* line, double x, double y) {
    // Parsed before the sequence grows: the line may point into this list's storage.
    const Record parsed = Parse(line, x, y);
    records_.emplace_back().record_ = parsed;
    return true;
}

void CNavaidArray::GetNLine(char* out, int i) const {
    const Record& r = At(i);
    const navdata::LineWriter writer(out, layout::kWidth);
    writer.PutRight(layout::kCountry, r.country);
    writer.PutRight(layout::kType, r.type);
    writer.PutRight(layout::kIdent, r.ident);
    writer.PutRight(layout::kFrequency, FixedText(r.frequency));
    writer.PutRight(layout::kLatitude, r.latitude);
    writer.PutRight(layout::kLongitude, r.longitude);
    writer.PutRight(layout::kElevation, FixedText(r.elevation));
    writer.PutRight(layout::kName, r.name);
}

int CNavaidArray::GetSize() const { return static_cast<int>(records_.size()); }

void CNavaidArray::RemoveAll() {
    records_.clear();
    records_.shrink_to_fit();
}

const CNavaidArray::Record& CNavaidArray::At(int i) const { return records_[static_cast<std::size_t>(i)].record_; }

const char* CNavaidArray::GetNLat(int i) const { return At(i).latitude; }
const char* CNavaidArray::GetNLon(int i) const { return At(i).longitude; }
const char* CNavaidArray::GetNID(int i) const { return At(i).ident; }
const char* CNavaidArray::GetNName(int i) const { return At(i).name; }
const char* CNavaidArray::GetNType(int i) const { return At(i).type; }
float CNavaidArray::GetNfreq(int i) const { return At(i).frequency; }
double CNavaidArray::GetNfElev(int i) const { return At(i).elevation; }
double CNavaidArray::GetNx(int i) const { return At(i).x; }
double CNavaidArray::GetNy(int i) const { return At(i).y; }
