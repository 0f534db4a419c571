#include "database_comparison.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <sstream>
#include <vector>

#include "aerodrex/airport_line_layout.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata/angle_text.h"
#include "platform/numbers.h"

namespace demodata::testing {

namespace airport = aerodrex::airport_line;
namespace navaid = beaconex::navaid_line;
namespace ils = beaconex::ils_line;

const NamedField kAirportFields[18] = {
    {"city", airport::kCity},
    {"country", airport::kCountry},
    {"name", airport::kName},
    {"ident", airport::kIdent},
    {"elevation", airport::kElevation, FieldKind::Number},
    {"latitude", airport::kLatitude, FieldKind::Angle},
    {"longitude", airport::kLongitude, FieldKind::Angle},
    {"ATIS", airport::kAtisFrequency, FieldKind::Number},
    {"heading", airport::kRunwayHeading, FieldKind::Number},
    {"length", airport::kRunwayLength, FieldKind::Number},
    {"surface", airport::kSurface},
    {"ILS frequency", airport::kIlsFrequency},
    {"ILS ident", airport::kIlsIdent},
    {"side", airport::kSide},
    {"start latitude", airport::kRunwayStartLatitude, FieldKind::Angle},
    {"end latitude", airport::kRunwayEndLatitude, FieldKind::Angle},
    {"start longitude", airport::kRunwayStartLongitude, FieldKind::Angle},
    {"end longitude", airport::kRunwayEndLongitude, FieldKind::Angle},
};
const NamedField kNavaidFields[8] = {
    {"country", navaid::kCountry},
    {"type", navaid::kType},
    {"ident", navaid::kIdent},
    {"frequency", navaid::kFrequency, FieldKind::Number},
    {"latitude", navaid::kLatitude, FieldKind::Angle},
    {"longitude", navaid::kLongitude, FieldKind::Angle},
    {"elevation", navaid::kElevation, FieldKind::Number},
    {"name", navaid::kName},
};
const NamedField kIlsFields[8] = {
    {"kind", ils::kKind},
    {"ident", ils::kIdent},
    {"airport", ils::kAirportIdent},
    {"latitude", ils::kLatitude, FieldKind::Angle},
    {"longitude", ils::kLongitude, FieldKind::Angle},
    {"frequency", ils::kFrequency, FieldKind::Number},
    {"heading", ils::kHeading, FieldKind::Number},
    {"side", ils::kSide},
};
const NamedField kAirportKey[3] = {kAirportFields[3], kAirportFields[8], kAirportFields[13]};
const NamedField kNavaidKey[3] = {kNavaidFields[1], kNavaidFields[2], kNavaidFields[3]};
const NamedField kIlsKey[4] = {kIlsFields[0], kIlsFields[1], kIlsFields[2], kIlsFields[6]};

std::vector<std::string> DatabaseRecords(const std::string& bytes) {
    std::vector<std::string> records;
    std::istringstream in(bytes);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        records.push_back(line);
    }
    return records;
}

namespace {

std::string Field(const std::string& record, const navdata::FieldLayout& layout) {
    return layout.column < record.size() ? record.substr(layout.column, layout.width) : std::string();
}

std::string KeyOf(const std::string& record, std::span<const NamedField> key) {
    std::string text;
    for (const NamedField& field : key) text += Field(record, field.layout) + "|";
    return text;
}

double Difference(const NamedField& field, const std::string& a, const std::string& b) {
    if (field.kind == FieldKind::Angle) return std::fabs(AngleTextToDegrees(a) - AngleTextToDegrees(b));
    return std::fabs(platform::LeadingDouble(a) - platform::LeadingDouble(b));
}

}  // namespace

Differences CompareDatabases(const std::string& demo, const std::string& scanned, std::span<const NamedField> fields,
                             std::span<const NamedField> key) {
    const std::vector<std::string> demoRecords = DatabaseRecords(demo);
    const std::vector<std::string> scannedRecords = DatabaseRecords(scanned);
    Differences differences;
    differences.demoRecords = demoRecords.size();
    differences.scannedRecords = scannedRecords.size();
    std::map<std::string, std::deque<const std::string*>> byKey;
    for (const std::string& record : scannedRecords) byKey[KeyOf(record, key)].push_back(&record);
    for (const std::string& record : demoRecords) {
        auto& candidates = byKey[KeyOf(record, key)];
        if (candidates.empty()) {
            ++differences.onlyInDemo;
            continue;
        }
        const std::string& other = *candidates.front();
        candidates.pop_front();
        for (const NamedField& field : fields) {
            const std::string a = Field(record, field.layout), b = Field(other, field.layout);
            if (a == b) continue;
            ++differences.fields[field.name];
            if (a.find_first_not_of(' ') == std::string::npos) ++differences.blankInDemo[field.name];
            if (field.kind != FieldKind::Text) {
                double& largest = differences.largest[field.name];
                largest = std::max(largest, Difference(field, a, b));
            }
        }
    }
    for (const auto& [text, left] : byKey) differences.onlyScanned += left.size();
    return differences;
}

}  // namespace demodata::testing
