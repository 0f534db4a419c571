// The planner's navigation database in memory: airports (with the land areas), navaids,
// ILS beams and the map outline tiles, loaded from the base directory on three worker
// threads, and the 36 by 18 grids of 10-degree cells that drawing and lookups walk.
// Plain C++: the map view owns one NavDatabase and drives the load from its first update.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "aerodrex/airport_array.h"
#include "beaconex/navaid_array.h"
#include "maparithmetic/map_grid.h"

namespace trevalo {

// Positions are arc-seconds, x = longitude (east positive), y = latitude (north positive).
struct AirportRecord {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;  // runway end 1 and runway end 2
    double x = 0, y = 0;                    // reference point
    double heading = 0;                     // runway heading, degrees
    double magVar = 0;                      // magnetic variation, degrees
    double length = 0;                      // runway length
    double number = 0;                      // running number 1..n
    char id[11] = {};
    char name[51] = {};
    char runway = 0;  // side letter; 'H' marks a helipad
};

struct NavaidRecord {
    double x = -1.0, y = -1.0, spare = -1.0;
    double type = -1.0;    // 1 VOR, 2 NDB, 3 DME, 4 ILS, -1 other
    double number = -1.0;  // running number 1..n
    char id[11] = {};
    char name[51] = {};
};

// A navaid type as a record line's type field names it: "VOR" 1, "NDB" 2, "DME" 3,
// "ILS" 4; any other text -1, and no text for -1.
double NavaidTypeOfText(std::string_view typeText);
const char* NavaidTypeText(double type);

struct IlsRecord {
    int32_t type = 0, second = 0;
    double heading = 0, frequency = 0, x = 0, y = 0, magVar = 0;
    char id[11] = {};
    char airportId[11] = {};
    char runway = 0;
};

struct LandArea {
    int32_t red = 192, green = 160, blue = 111;
    int32_t minLongitude = 0, minLatitude = 0, maxLongitude = 0, maxLatitude = 0;
};

struct MapPoint {
    double longitude = 0, latitude = 0;  // arc-seconds
};

struct MapShape {
    std::vector<MapPoint> points;
    // Bounding box in units of 10 degrees, truncated toward zero.
    int32_t minLongitude = 200, minLatitude = 200, maxLongitude = -200, maxLatitude = -200;
    // For each edge (point i to the next, the last to the first), whether the outline walks
    // it both ways, as the bridge by which it takes a lake in; empty when none does. Found
    // once, as the tile loads.
    std::vector<bool> seams;

    void FindSeams();
};

// A grid of records, one list per cell of maparithmetic/map_grid.h.
template <class Record>
using Grid = std::array<std::vector<Record>, kGridCells>;

// Load error codes: Airport.nav 100-107, Navaids.nav 200-207, Ils.nav 300-307.
// x00 not found, x01 cannot be opened, x02 cannot be mapped, x03 cannot be unmapped,
// x04 mapping cannot be closed, x05 file cannot be closed, x06 its lines are not records
// of the file's width (nothing read), x07 it holds fewer records than its count line
// promises (those read).
// Process-wide, as the loaders report from their threads: a non-zero code replaces the
// stored one and its message (the code's text when none is given), 0 never clears it.
void SetLoadError(int code, std::string message = {});
// The stored code (0 when none); shows its message when show is set and the code is not 0.
int ReportLoadError(bool show);
// The message text for a code, followed by "\nError [%06d]\n".
std::string LoadErrorMessage(int code);
// The message of a file cut short (code x07), with the counts promised and read.
std::string CutShortMessage(int code, const char* fileName, int promised, int read);
// Clears the stored code (a new load; tests).
void ResetLoadError();

class NavDatabase {
public:
    // baseDirectory: Windows path ending in a backslash ("C:\Quillet\").
    explicit NavDatabase(std::string baseDirectory);
    ~NavDatabase();  // joins running loaders
    NavDatabase(const NavDatabase&) = delete;
    NavDatabase& operator=(const NavDatabase&) = delete;

    // Each returns 0 or an error code, which it stores with SetLoadError too; the airport
    // loader sorts the airports into their grid and loads the land areas, the navaid
    // loader buckets the navaids. Only airports of the countries that Country.nav marks as loaded are
    // kept. A file cut short gives its code and the records it holds.
    int LoadAirportFile();
    int LoadNavaidFile();
    int LoadIlsFile();
    void LoadLandFiles();
    void LoadMapTiles();
    void BucketNavaids();

    // Raises the loader counter by three and starts the airport, map-tile and
    // navaid-then-ILS loaders on their own threads (at normal priority: a raised one needs
    // privileges that a user's process does not have). Each loader lowers the counter
    // however it ends.
    void StartLoaders();
    // Loaders started and not yet finished.
    int RunningLoaders() const { return loaders_.load(); }
    // 0..100, written by the airport loader.
    int Progress() const { return progress_.load(); }
    // Waits on the calling (user-interface) thread until every loader has ended, calling
    // tick with the progress value every few milliseconds, without burning a core.
    void WaitForLoaders(const std::function<void(int progress)>& tick);

    const std::string& baseDirectory() const { return baseDirectory_; }

    // Queries of the loaded data; record numbers are 1-based, as route points and the
    // record lists' positions plus one count them.
    bool IsAirportNumber(int number) const;
    bool IsNavaidNumber(int number) const;
    // The record line of an airport, a navaid or an ILS; empty when there is no such record.
    std::string AirportLine(int number) const;
    std::string NavaidLine(int number) const;
    std::string IlsLine(int number) const;
    // The first ILS (kind 4, in database order) of the airport's runway: its airport ident
    // contains the airport's, its runway side is the airport's, and its heading lies
    // within 6 degrees of heading (modulo 360). Its number, or -1.
    int FindIlsForRunway(int airportNumber, double heading) const;
    // Magnetic variation of the airport nearest to the position (arc-seconds) among those
    // of its grid cell; 0 when the cell is outside the grid or empty.
    double GetNearestMagVar(double x, double y) const;
    // Positions in airportLines and in navaidLines (0-based) of the runway lines and of the
    // navaids whose ident equals the ident (trimmed, any case), in list order, at most limit.
    std::vector<int> AirportLinesWithIdent(const std::string& ident, int limit) const;
    std::vector<int> NavaidsWithIdent(const std::string& ident) const;
    // The grid's airport records (runways) of an ident, trimmed and in any case, in the
    // grid's order: cell by cell, file order within a cell. The index is built once, on
    // the first question, from the grid as it is then.
    const std::vector<const AirportRecord*>& AirportsWithIdent(std::string_view ident) const;
    // Airports (idents) in the grid, as against airportCount, which counts runway lines.
    int AirportIdentCount() const;

    // Filled by the loaders; read only after the wait has ended.
    CAirportArray airportLines;
    CNavaidArray navaidLines;
    int airportCount = 0;
    int navaidCount = 0;
    Grid<AirportRecord> airportGrid;
    Grid<NavaidRecord> navaidGrid;
    std::vector<IlsRecord> ils;         // entry 0 unused, as record numbers are 1-based
    std::vector<std::string> ilsLines;  // the record line of each ILS record, same numbering
    std::vector<LandArea> landAreas;
    std::vector<MapShape> mapShapes;

private:
    void RunLoader(const std::function<void()>& load);
    void JoinLoaders();

    std::string baseDirectory_;
    std::atomic<int> loaders_{0};
    std::atomic<int> progress_{0};
    std::mutex loadersMutex_;
    std::condition_variable loadersDone_;
    std::vector<NavaidRecord> navaids_;  // flat list until bucketed
    const std::unordered_map<std::string, std::vector<const AirportRecord*>>& AirportIndex() const;
    mutable std::once_flag airportIndexBuilt_;
    mutable std::unordered_map<std::string, std::vector<const AirportRecord*>> airportsByIdent_;
    std::vector<std::thread> threads_;
};

}  // namespace trevalo
