// The records of a database of the demo and of the same database written by a scan of
// the demo's stand-in installation, matched by key and compared field by field.
#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "navdata/field_layout.h"

namespace demodata::testing {

enum class FieldKind { Text, Angle, Number };

struct NamedField {
    const char* name;
    navdata::FieldLayout layout;
    FieldKind kind = FieldKind::Text;
};

// The fields of each kind of record line, and the fields that make a record's key.
extern const NamedField kAirportFields[18];
extern const NamedField kNavaidFields[8];
extern const NamedField kIlsFields[8];
extern const NamedField kAirportKey[3];
extern const NamedField kNavaidKey[3];
extern const NamedField kIlsKey[4];

struct Differences {
    std::size_t demoRecords = 0, scannedRecords = 0;
    std::size_t onlyInDemo = 0, onlyScanned = 0;     // no record of the same key in the other
    std::map<std::string, std::size_t> fields;       // records whose field differs, by the field's name
    std::map<std::string, std::size_t> blankInDemo;  // of those, the records whose field the demo leaves blank
    std::map<std::string, double> largest;           // the largest difference of a number (angles in degrees)
};

// The records of a database file, its count line left out; CR LF or LF.
std::vector<std::string> DatabaseRecords(const std::string& bytes);

// Records of the same key are matched in file order.
Differences CompareDatabases(const std::string& demo, const std::string& scanned, std::span<const NamedField> fields,
                             std::span<const NamedField> key);

}  // namespace demodata::testing
