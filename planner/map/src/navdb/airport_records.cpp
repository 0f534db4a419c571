#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>

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
    const std::string_view text = platform::TrimmedView(end.text);
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
                                RunwayEndOrReference(Field(GetAirportLonBeg, line), longitude), referenceLatitude,
                                referenceLongitude, true);
    const Point end = PointOf(RunwayEndOrReference(Field(GetAirportLatEnd, line), latitude),
                              RunwayEndOrReference(Field(GetAirportLonEnd, line), longitude), referenceLatitude,
                              referenceLongitude, false);
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

namespace {

// A worker takes at least this many records, and a few at most share a file out.
constexpr int kRecordsPerWorker = 8192;
constexpr int kMostWorkers = 4;

// Runs fill(first, last) over runs of the records [0, count) on a few threads at once.
void InShares(int count, const std::function<void(int first, int last)>& fill) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int workers = std::clamp(count / kRecordsPerWorker, 1, std::min(cores, kMostWorkers));
    const int share = (count + workers - 1) / workers;
    std::vector<std::thread> threads;
    for (int first = share; first < count; first += share) {
        const int last = std::min(count, first + share);
        try {
            threads.emplace_back(fill, first, last);
        } catch (const std::system_error&) {
            fill(first, last);  // no thread to be had: this one does it
        }
    }
    fill(0, std::min(count, share));
    for (std::thread& thread : threads) thread.join();
}

}  // namespace

void ReadAirportRecords(const DatabaseRecords& database, const CountryFilter& isCountryLoaded,
                        std::vector<AirportRecord>& records, CAirportArray& lines, std::atomic<int>& progress) {
    // First the countries, line by line: the kept airports' places in the lists.
    std::vector<int> place(static_cast<size_t>(database.count()) + 1, 0);
    int kept = 0;
    database.ForEach([&](const char* line, int number) {
        progress.store(static_cast<int>(static_cast<double>(number) / database.count() * 100.0));
        char country[layout::kCountry.size()] = {};
        GetAirportCountry(country, line);
        if (isCountryLoaded(std::string(platform::TrimmedView(country)))) place[static_cast<size_t>(number)] = ++kept;
    });
    // Then the records and their lines, each in its place, on a few threads.
    records.assign(static_cast<size_t>(kept) + 1, AirportRecord{});
    const int firstLine = lines.GetSize();
    lines.Resize(firstLine + kept);
    InShares(database.count(), [&](int first, int last) {
        database.ForEach(first, last, [&](const char* line, int number) {
            const int at = place[static_cast<size_t>(number)];
            if (at == 0) return;
            records[static_cast<size_t>(at)] = AirportFromLine(line, at);
            lines.SetLine(firstLine + at - 1, line);
        });
    });
}

}  // namespace trevalo
