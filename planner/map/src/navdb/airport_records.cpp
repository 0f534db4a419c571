#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "navdata/field_reader.h"
#include "navdb/angle_field.h"
#include "navdb/database_file.h"
#include "navdb/fixed_text.h"
#include "navdb/record_readers.h"
#include "navdb/share_work.h"
#include "platform/text.h"

namespace trevalo {

namespace {

namespace layout = aerodrex::airport_line;

struct FieldText {
    char text[layout::kLatitude.size()] = {};  // every angle field is 20 characters
};

// A field of the line as its getter copies it (GetAirportLat and the like), from the
// line measured once.
FieldText Field(std::string_view line, navdata::FieldLayout columns) {
    FieldText field;
    navdata::CopyField(field.text, line, columns);
    return field;
}

// A runway end field, which only a whole airport line has (GetAirportLatBeg and the like).
FieldText RunwayEndField(std::string_view line, navdata::FieldLayout columns) {
    return line.size() == layout::kWidth ? Field(line, columns) : FieldText{};
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

// The reference point's fields of a line, and their hemisphere letters and angles,
// which point into the fields.
struct Reference {
    explicit Reference(std::string_view line)
        : latitude(Field(line, layout::kLatitude)),
          longitude(Field(line, layout::kLongitude)),
          splitLatitude(SplitAngleField(latitude.text, 0)),
          splitLongitude(SplitAngleField(longitude.text, 0)) {}
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    const FieldText latitude;
    const FieldText longitude;
    const AngleField splitLatitude;
    const AngleField splitLongitude;
};

// As far as any airport getter looks, and a character more to tell a longer line.
std::string_view MeasuredLine(const char* line) { return navdata::BoundedLine(line, layout::kWidth + 1); }

Point ReferencePoint(const Reference& reference) {
    return {SignedArcSeconds(reference.splitLongitude), SignedArcSeconds(reference.splitLatitude)};
}

// The record of a line whose reference point is known already.
AirportRecord AirportAt(const char* line, int number, Point point) {
    const std::string_view view = MeasuredLine(line);
    const Reference reference(view);
    AirportRecord record;
    record.x = point.x;
    record.y = point.y;
    const Point start =
        PointOf(RunwayEndOrReference(RunwayEndField(view, layout::kRunwayStartLatitude), reference.latitude),
                RunwayEndOrReference(RunwayEndField(view, layout::kRunwayStartLongitude), reference.longitude),
                reference.splitLatitude, reference.splitLongitude, true);
    const Point end =
        PointOf(RunwayEndOrReference(RunwayEndField(view, layout::kRunwayEndLatitude), reference.latitude),
                RunwayEndOrReference(RunwayEndField(view, layout::kRunwayEndLongitude), reference.longitude),
                reference.splitLatitude, reference.splitLongitude, false);
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
    navdata::CopyField(ident, view, layout::kIdent);
    CopyTrimmed(record.id, ident);
    char name[layout::kName.size()] = {};
    navdata::CopyField(name, view, layout::kName);
    CopyTrimmed(record.name, name);
    return record;
}

constexpr int16_t kLeftOut = -2;  // a record of a country not loaded; -1 is outside the world

// What the first pass learns of each record: its cell (or kLeftOut) and its reference
// point, and per share how many of its records each cell takes.
struct Placing {
    std::vector<int16_t> cells;
    std::vector<Point> points;
    std::vector<std::array<int, kGridCells>> cellCounts;  // by share
    std::vector<int> keptInShare;
};

// Whether each record's country is loaded, and the cell of each kept one, share by share;
// progress follows the lines. Runs of one country, as the file mostly holds them, ask the
// filter once.
Placing PlaceRecords(const DatabaseRecords& database, const std::vector<Share>& shares,
                     const CountryFilter& isCountryLoaded, std::atomic<int>& progress) {
    constexpr int kProgressStep = 1024;
    Placing placing;
    placing.cells.assign(static_cast<size_t>(database.count()), kLeftOut);
    placing.points.resize(static_cast<size_t>(database.count()));
    placing.cellCounts.assign(shares.size(), {});
    placing.keptInShare.assign(shares.size(), 0);
    std::atomic<int> linesDone{0};
    OnThreads(static_cast<int>(shares.size()), [&](int s) {
        char country[layout::kCountry.size()] = {};
        char previous[layout::kCountry.size()] = {};
        bool previousKept = false;
        bool havePrevious = false;
        std::array<int, kGridCells>& counts = placing.cellCounts[static_cast<size_t>(s)];
        int kept = 0;
        database.ForEach(shares[s].first, shares[s].last, [&](const char* line, int number) {
            GetAirportCountry(country, line);
            if (!havePrevious || std::memcmp(country, previous, sizeof country) != 0) {
                previousKept = isCountryLoaded(std::string(platform::TrimmedView(country)));
                std::memcpy(previous, country, sizeof country);
                havePrevious = true;
            }
            if (previousKept) {
                const size_t at = static_cast<size_t>(number - 1);
                placing.points[at] = ReferencePoint(Reference(MeasuredLine(line)));
                const int cell = GridCell(placing.points[at].x, placing.points[at].y);
                placing.cells[at] = static_cast<int16_t>(cell);
                if (cell >= 0) ++counts[static_cast<size_t>(cell)];
                ++kept;
            }
            if ((number - shares[s].first) % kProgressStep == 0) {
                const int done = linesDone.fetch_add(kProgressStep) + kProgressStep;
                progress.store(static_cast<int>(static_cast<double>(done) / database.count() * 100.0));
            }
        });
        placing.keptInShare[static_cast<size_t>(s)] = kept;
    });
    if (database.count() > 0) progress.store(100);
    return placing;
}

// Sizes each cell for its records, on a few threads, each sizing cells of about equal
// numbers of records; returns where each share's records start in each cell.
std::vector<std::array<int, kGridCells>> SizeCells(const Placing& placing, Grid<AirportRecord>& grid) {
    std::vector<std::array<int, kGridCells>> starts(placing.cellCounts.size());
    std::array<int, kGridCells> totals{};
    for (size_t s = 0; s < starts.size(); ++s) {
        for (size_t cell = 0; cell < totals.size(); ++cell) {
            starts[s][cell] = totals[cell];
            totals[cell] += placing.cellCounts[s][cell];
        }
    }
    long all = 0;
    for (const int total : totals) all += total;
    const long workers = std::max<long>(1, static_cast<long>(starts.size()));
    std::vector<int> runStart{0};
    long sum = 0;
    for (int cell = 0; cell < kGridCells; ++cell) {
        sum += totals[static_cast<size_t>(cell)];
        if (static_cast<long>(runStart.size()) < workers && sum * workers >= all * static_cast<long>(runStart.size()))
            runStart.push_back(cell + 1);
    }
    runStart.resize(static_cast<size_t>(workers) + 1, kGridCells);
    runStart.back() = kGridCells;
    OnThreads(static_cast<int>(workers), [&](int w) {
        for (int cell = runStart[static_cast<size_t>(w)]; cell < runStart[static_cast<size_t>(w) + 1]; ++cell) {
            std::vector<AirportRecord>& list = grid[static_cast<size_t>(cell)];
            list.clear();
            list.resize(static_cast<size_t>(totals[static_cast<size_t>(cell)]));
        }
    });
    return starts;
}

}  // namespace

AirportRecord AirportFromLine(const char* line, int number) {
    return AirportAt(line, number, ReferencePoint(Reference(MeasuredLine(line))));
}

int ReadAirportRecords(const DatabaseRecords& database, const CountryFilter& isCountryLoaded, Grid<AirportRecord>& grid,
                       CAirportArray& lines, std::atomic<int>& progress, int recordsPerShare) {
    const std::vector<Share> shares = SharesOf(database.count(), recordsPerShare);
    const Placing placing = PlaceRecords(database, shares, isCountryLoaded, progress);
    std::vector<std::array<int, kGridCells>> next = SizeCells(placing, grid);

    // The kept records' numbers run on from share to share.
    std::vector<int> firstNumber(shares.size(), 1);
    for (size_t s = 1; s < shares.size(); ++s) firstNumber[s] = firstNumber[s - 1] + placing.keptInShare[s - 1];
    const int keptCount = firstNumber.back() + placing.keptInShare.back() - 1;
    const int firstLine = lines.GetSize();
    lines.Resize(firstLine + keptCount);

    OnThreads(static_cast<int>(shares.size()), [&](int s) {
        std::array<int, kGridCells>& slots = next[static_cast<size_t>(s)];
        int number = firstNumber[static_cast<size_t>(s)];
        database.ForEach(shares[s].first, shares[s].last, [&](const char* line, int position) {
            const size_t at = static_cast<size_t>(position - 1);
            const int cell = placing.cells[at];
            if (cell == kLeftOut) return;
            if (cell >= 0) {
                const auto slot = static_cast<size_t>(slots[static_cast<size_t>(cell)]++);
                grid[static_cast<size_t>(cell)][slot] = AirportAt(line, number, placing.points[at]);
            }
            lines.SetLine(firstLine + number - 1, line);
            ++number;
        });
    });
    return keptCount;
}

}  // namespace trevalo
