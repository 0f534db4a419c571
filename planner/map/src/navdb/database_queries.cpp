// Queries of the loaded databases by record number and by position.
#include <limits>
#include <string_view>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "map/great_circle.h"
#include "map/headings.h"
#include "map/nav_database.h"
#include "map/unit_conversions.h"
#include "navdata/line_widths.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr int32_t kIlsKind = 4;
// An ILS serves a runway direction within this many degrees of its heading.
constexpr double kIlsHeadingTolerance = 6.0;
constexpr double kArcSecondsPerDegree = 3600.0;

double LatitudeRadians(double y) { return DegreesToRadians(y / kArcSecondsPerDegree); }
// The navigation arithmetic counts longitudes west-positive.
double LongitudeRadians(double x) { return DegreesToRadians(-x / kArcSecondsPerDegree); }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

bool NavDatabase::IsAirportNumber(int number) const { return number >= 1 && number <= airportLines.GetSize(); }

bool NavDatabase::IsNavaidNumber(int number) const { return number >= 1 && number <= navaidLines.GetSize(); }

std::string NavDatabase::AirportLine(int number) const {
    if (!IsAirportNumber(number)) return {};
    char line[navdata::kAirportLineWidth + 1] = {};
    airportLines.GetALine(line, number - 1);
    return line;
}

std::string NavDatabase::NavaidLine(int number) const {
    if (!IsNavaidNumber(number)) return {};
    char line[navdata::kNavaidLineWidth + 1] = {};
    navaidLines.GetNLine(line, number - 1);
    return line;
}

std::string NavDatabase::IlsLine(int number) const {
    if (number < 1 || number >= static_cast<int>(ilsLines.size())) return {};
    return ilsLines[static_cast<size_t>(number)];
}

int NavDatabase::FindIlsForRunway(int airportNumber, double heading) const {
    const std::string line = AirportLine(airportNumber);
    if (line.empty()) return -1;
    char identText[aerodrex::airport_line::kIdent.size()] = {};
    GetAirportID(identText, line.c_str());
    const std::string ident = platform::Trimmed(identText);
    if (ident.empty()) return -1;
    const char side = GetAirportRnw(line.c_str());
    for (size_t i = 1; i < ils.size(); ++i) {
        const IlsRecord& beam = ils[i];
        if (beam.type == kIlsKind && Contains(beam.airportId, ident) && beam.runway == side &&
            HeadingDifference(beam.heading, heading) <= kIlsHeadingTolerance) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

double NavDatabase::GetNearestMagVar(double x, double y) const {
    const int cell = GridCell(x, y);
    if (cell < 0 || cell >= kGridCells) return 0.0;
    double nearest = std::numeric_limits<double>::max();
    double magVar = 0.0;
    for (const AirportRecord& airport : airportGrid[static_cast<size_t>(cell)]) {
        const double distance = GreatCircleDistance(LatitudeRadians(y), LongitudeRadians(x), LatitudeRadians(airport.y),
                                                    LongitudeRadians(airport.x));
        if (distance < nearest) {
            nearest = distance;
            magVar = airport.magVar;
        }
    }
    return magVar;
}

}  // namespace trevalo
