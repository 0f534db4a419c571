#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "navdb/angle_field.h"
#include "navdb/database_file.h"
#include "navdb/fixed_text.h"
#include "navdb/record_readers.h"
#include "platform/text.h"

namespace trevalo {

namespace {

namespace layout = aerodrex::airport_line;

using FieldGetter = void (*)(char* out, const char* line);

struct FieldText {
    char text[layout::kLatitude.size()] = {};  // every angle field is 20 characters
};

FieldText Field(FieldGetter getter, const char* line) {
    FieldText field;
    getter(field.text, line);
    return field;
}

// A runway end field whose second character is blank (after trimming, so that a
// right-justified field reads as a left-justified one) takes the reference point's.
const char* RunwayEndOrReference(const FieldText& end, const FieldText& reference) {
    const std::string text = platform::Trimmed(end.text);
    return text.size() < 2 || text[1] == ' ' ? reference.text : end.text;
}

struct Point {
    double x = 0, y = 0;
};

// Each point takes its own hemisphere letters, so that a runway across the equator or
// the prime meridian keeps its ends where they are.
Point PointOf(const char* latitude, const char* longitude, const AngleField& referenceLatitude,
              const AngleField& referenceLongitude, bool withExtraHundredths) {
    const AngleField lat = SplitAngleField(latitude, referenceLatitude.hemisphere);
    const AngleField lon = SplitAngleField(longitude, referenceLongitude.hemisphere);
    return {SignedArcSeconds(lon, withExtraHundredths), SignedArcSeconds(lat, withExtraHundredths)};
}

}  // namespace

AirportRecord AirportFromLine(const char* line, int number) {
    AirportRecord record;
    const FieldText latitude = Field(GetAirportLat, line);
    const FieldText longitude = Field(GetAirportLong, line);
    const AngleField referenceLatitude = SplitAngleField(latitude.text, 0);
    const AngleField referenceLongitude = SplitAngleField(longitude.text, 0);
    record.x = SignedArcSeconds(referenceLongitude);
    record.y = SignedArcSeconds(referenceLatitude);

    const Point start = PointOf(RunwayEndOrReference(Field(GetAirportLatBeg, line), latitude),
                                RunwayEndOrReference(Field(GetAirportLonBeg, line), longitude),
                                referenceLatitude, referenceLongitude, true);
    const Point end = PointOf(RunwayEndOrReference(Field(GetAirportLatEnd, line), latitude),
                              RunwayEndOrReference(Field(GetAirportLonEnd, line), longitude),
                              referenceLatitude, referenceLongitude, false);
    record.x1 = start.x;
    record.y1 = start.y;
    record.x2 = end.x;
    record.y2 = end.y;

    record.heading = GetAirportRunwayDegree(line);
    record.length = GetAirportLenth(line);
    record.runway = GetAirportRnw(line);
    record.magVar = GetAirportMagVar(line);
    record.number = number;
    char ident[layout::kIdent.size()] = {};
    GetAirportID(ident, line);
    CopyTrimmed(record.id, ident);
    char name[layout::kName.size()] = {};
    GetAirportName(name, line);
    CopyTrimmed(record.name, name);
    return record;
}

void ReadAirportRecords(const DatabaseRecords& database, const CountryFilter& isCountryLoaded,
                        std::vector<AirportRecord>& records, CAirportArray& lines,
                        std::atomic<int>& progress) {
    records.resize(1);
    records.reserve(static_cast<size_t>(database.count()) + 1);
    int kept = 0;
    database.ForEach([&](const char* line, int i) {
        progress.store(static_cast<int>(static_cast<double>(i) / database.count() * 100.0));
        char country[layout::kCountry.size()] = {};
        GetAirportCountry(country, line);
        if (!isCountryLoaded(country)) return;
        records.push_back(AirportFromLine(line, ++kept));
        lines.Add(line);
    });
}

}  // namespace trevalo
