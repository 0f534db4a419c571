#include "airport_facility.h"

#include <cmath>
#include <optional>
#include <vector>

#include "navdata/angle_text.h"
#include "navdata/record_lines.h"
#include "runway_ends.h"
#include "scenery_units.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

constexpr double kLowestComFrequency = 118.0;
constexpr double kComFrequencyLimit = 137.0;  // excluded
constexpr double kRunwayEndTolerance = 10.0;  // degrees either side

constexpr const char* kSurfaceNames[] = {"Unknown", "Dirt",        "Cement", "Asphalt", "Grass",
                                         "Gravel",  "Oil treated", "Mats",   "Snow"};
constexpr const char* kSideLetters[] = {"", "L", "R", "C", "H"};  // by designator code

bool IsComFrequency(double mhz) { return mhz >= kLowestComFrequency && mhz < kComFrequencyLimit; }

// Difference of two headings taken round 360, from 0 to 180.
double HeadingDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

// Whether a kept frequency, as the six-decimal text of the line reads back, is a COM one.
bool IsComFrequencyText(double mhz) { return IsComFrequency(SixDecimals(mhz)); }

class Airport {
public:
    Airport(const AirportTexts& common, SceneryScan& scan) : common_(common), ident_(common.ident), scan_(scan) {}

    void Read(const SceneryBytes& records);
    void Finish();

private:
    void ReadRecord(std::uint32_t type, const SceneryBytes& record);
    void ReadRunway(const SceneryBytes& record);
    void ReadCommunication(const SceneryBytes& record);
    void ReadIls(const SceneryBytes& record);
    void ReadRunwayEnd(const SceneryBytes& record);

    const AirportTexts& common_;  // ident_ stands for its ident
    std::string ident_;           // the last ident record's
    SceneryScan& scan_;
    std::vector<ScannedRunway> runways_;
};

// A record's stored length covers the record, its 8-byte header included: the reading
// under which a record's fields (ident text from byte 8, positions from byte 10) lie
// inside it. A length below the header ends the airport's records, and so does one
// that reaches past their end.
void Airport::Read(const SceneryBytes& records) {
    std::size_t position = 0;
    while (records.Holds(position, layout::kRecordHeaderLength)) {
        const std::uint32_t type = records.U32(position + layout::kRecordTypeField);
        const std::uint32_t length = records.U32(position + layout::kRecordLengthField);
        if (type == layout::kEndRecord || length < layout::kRecordHeaderLength || !records.Holds(position, length)) {
            return;
        }
        ReadRecord(type, records.Slice(position, length));
        position += length;
    }
}

// A record too short for its layout is skipped.
void Airport::ReadRecord(std::uint32_t type, const SceneryBytes& record) {
    switch (type) {
        case layout::kIdentRecord:
            record.Text(layout::kIdentTextField, record.size(), ident_);
            break;
        case layout::kRunwayRecord:
            if (record.size() >= layout::kRunwayRecordLength) ReadRunway(record);
            break;
        case layout::kCommunicationRecord:
            if (record.size() >= layout::kCommunicationRecordLength) ReadCommunication(record);
            break;
        case layout::kIlsRecord:
            if (record.size() >= layout::kIlsRecordMinLength) ReadIls(record);
            break;
        case layout::kRunwayEndRecord:
            if (record.size() >= layout::kRunwayEndRecordLength) ReadRunwayEnd(record);
            break;
        default:  // positions and kinds this reader has no use for
            break;
    }
}

void Airport::ReadRunway(const SceneryBytes& record) {
    if (runways_.size() >= kMaxRunways) {
        return;
    }
    ScannedRunway& runway = runways_.emplace_back();
    runway.ident = ident_;
    runway.latitude = FacilityLatitude(record, layout::kRecordLatitudeField);
    runway.longitude = FacilityLongitude(record, layout::kRecordLongitudeField);
    const double metres = record.S32(layout::kRunwayElevationField + 2) +
                          record.U16(layout::kRunwayElevationField) / layout::kFractionScale;
    runway.elevationFeet = metres * layout::kFeetPerMetre;
    runway.heading = SixDecimals(FacilityHeading(record, layout::kRecordHeadingField));
    runway.length = record.S32(layout::kRunwayLengthField);
    const std::uint32_t surface = record.U32(layout::kRunwaySurfaceField);
    runway.surface = kSurfaceNames[surface < std::size(kSurfaceNames) ? surface : 0];
    if (record.U32(layout::kRunwayNoVariationField) == 0) {
        const std::uint32_t designator = record.U32(layout::kRunwayDesignatorField);
        runway.hasSide = true;
        runway.sideLetter = designator < std::size(kSideLetters) ? kSideLetters[designator] : "";
        runway.variation = FacilityAngle(record, layout::kRunwayVariationField);
    }
}

// Records before the first runway have no runway to go to and are passed over.
void Airport::ReadCommunication(const SceneryBytes& record) {
    if (runways_.empty()) {
        return;
    }
    const double frequency = PackedFrequency(record, layout::kCommunicationFrequencyField);
    const std::uint32_t kind = record.U32(layout::kCommunicationKindField);
    std::optional<double>& atis = runways_.back().atisFrequency;
    const bool takes = (kind == layout::kAtisKind && !atis) || kind == layout::kAtisOverrideKind;
    if (takes && IsComFrequency(frequency)) {
        atis = frequency;
    }
}

void Airport::ReadIls(const SceneryBytes& record) {
    if (runways_.empty()) {
        return;
    }
    const ScannedRunway& runway = runways_.back();
    navdata::IlsLineValues ils;
    ils.kind = record.S32(layout::kIlsKindField);
    ils.ident = record.Text(layout::kIlsIdentField, record.size());
    ils.airportIdent = runway.ident;
    ils.latitude = LatitudeToAngleText(FacilityLatitude(record, layout::kRecordLatitudeField));
    ils.longitude = LongitudeToAngleText(FacilityLongitude(record, layout::kRecordLongitudeField));
    ils.frequency = PackedFrequency(record, layout::kIlsFrequencyField);
    ils.heading = FacilityHeading(record, layout::kRecordHeadingField);
    ils.side = runway.SideText();
    std::string line = scan_.IlsLineStorage();
    navdata::ComposeIlsLine(ils, line);
    scan_.AddIlsLine(std::move(line));
}

void Airport::ReadRunwayEnd(const SceneryBytes& record) {
    const RunwayEndPoint point{true, FacilityLatitude(record, layout::kRecordLatitudeField),
                               FacilityLongitude(record, layout::kRecordLongitudeField)};
    const double heading = FacilityHeading(record, layout::kRecordHeadingField);
    const double reverse = heading + 180.0;

    for (ScannedRunway& runway : runways_) {
        if (HeadingDistance(runway.heading, heading) <= kRunwayEndTolerance && !runway.start.set) {
            runway.start = point;
            runway.heading = SixDecimals(heading);
            return;
        }
        if (HeadingDistance(runway.heading, reverse) <= kRunwayEndTolerance && !runway.end.set) {
            runway.end = point;
            return;
        }
    }
    for (ScannedRunway& runway : runways_) {
        if (runway.end.set) {
            continue;
        }
        if (!runway.start.set) {
            LogInvalidRunway(runway.ident, runway.heading, heading, scan_.Logs());
            runway.start = point;
            runway.heading = SixDecimals(heading);
        } else {
            runway.end = point;
        }
        return;
    }
}

void Airport::Finish() {
    if (runways_.empty()) {
        return;
    }
    // The first runway with an ATIS frequency lends it to those without a usable one.
    for (const ScannedRunway& lender : runways_) {
        if (!lender.atisFrequency || SixDecimals(*lender.atisFrequency) == 0.0) {
            continue;
        }
        const double lent = SixDecimals(*lender.atisFrequency);
        for (ScannedRunway& runway : runways_) {
            if (!runway.atisFrequency || !IsComFrequencyText(*runway.atisFrequency)) {
                runway.atisFrequency = lent;
            }
        }
        break;
    }
    for (ScannedRunway& runway : runways_) {
        scan_.AddAirportLine(runway, common_);
    }
}

}  // namespace

void ParseAirportFacility(const SceneryBytes& records, const AirportTexts& common, SceneryScan& scan) {
    Airport airport(common, scan);
    airport.Read(records);
    airport.Finish();
}

}  // namespace scenrix::detail
