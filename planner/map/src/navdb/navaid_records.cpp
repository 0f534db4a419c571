#include "beaconex/ils_getters.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "navdb/angle_field.h"
#include "navdb/database_file.h"
#include "navdb/fixed_text.h"
#include "navdb/record_readers.h"

namespace trevalo {

namespace {

namespace navaid = beaconex::navaid_line;
namespace ils = beaconex::ils_line;

double NavaidTypeOf(const char* line) {
    char word[navaid::kType.size()] = {};
    GetNavaidsType(word, line);
    return NavaidTypeOfText(word);
}

double ArcSecondsOfField(const char* field) { return SignedArcSeconds(SplitAngleField(field, 0)); }

// The ILS line's angle fields have no getter of their own.
std::string IlsField(const char* line, navdata::FieldLayout field) {
    return std::string(line + field.column, field.width);
}

}  // namespace

NavaidRecord NavaidFromLine(const char* line, int number) {
    NavaidRecord record;
    char latitude[navaid::kLatitude.size()] = {};
    char longitude[navaid::kLongitude.size()] = {};
    GetNavaidsLat(latitude, line);
    GetNavaidsLon(longitude, line);
    record.x = ArcSecondsOfField(longitude);
    record.y = ArcSecondsOfField(latitude);
    record.type = NavaidTypeOf(line);
    record.number = number;
    char ident[navaid::kIdent.size()] = {};
    GetNavaidsID(ident, line);
    CopyTrimmed(record.id, ident);
    char name[navaid::kName.size()] = {};
    GetNavaidsName(name, line);
    CopyTrimmed(record.name, name);
    return record;
}

IlsRecord IlsFromLine(const char* line) {
    IlsRecord record;
    record.type = GetilsType(line);
    record.heading = GetilsHdg(line);
    record.frequency = GetilsFreq(line);
    record.x = ArcSecondsOfField(IlsField(line, ils::kLongitude).c_str());
    record.y = ArcSecondsOfField(IlsField(line, ils::kLatitude).c_str());
    record.magVar = GetilsMagVar(line);
    char ident[ils::kIdent.size()] = {};
    GetilsID(ident, line);
    CopyTrimmed(record.id, ident);
    char airport[ils::kAirportIdent.size()] = {};
    GetilsairportID(airport, line);
    CopyTrimmed(record.airportId, airport);
    record.runway = GetilsRnw(line);
    return record;
}

void ReadNavaidRecords(const DatabaseRecords& database, std::vector<NavaidRecord>& records, CNavaidArray& lines) {
    records.resize(1);
    records.reserve(static_cast<size_t>(database.count()) + 1);
    database.ForEach([&](const char* line, int i) {
        records.push_back(NavaidFromLine(line, i));
        lines.Add(line, records.back().x, records.back().y);
    });
}

void ReadIlsRecords(const DatabaseRecords& database, std::vector<IlsRecord>& records, std::vector<std::string>& lines) {
    records.resize(1);
    records.reserve(static_cast<size_t>(database.count()) + 1);
    lines.resize(1);
    lines.reserve(static_cast<size_t>(database.count()) + 1);
    database.ForEach([&](const char* line, int) {
        records.push_back(IlsFromLine(line));
        lines.emplace_back(line, kIlsDatabase.width);
    });
}

}  // namespace trevalo
