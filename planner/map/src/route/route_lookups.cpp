// Lookups of the route in the loaded databases: the ILS of a runway, the nearest
// airport's magnetic variation, and the check of the route against the airports.
#include <cstdint>
#include <limits>

#include "aerodrex/airport_getters.h"
#include "database_lines.h"
#include "headings.h"
#include "map/great_circle.h"
#include "map/route.h"
#include "map/unit_conversions.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "route_messages.h"
#include "route_text.h"

namespace trevalo {
namespace {

using route_detail::Trimmed;

constexpr int32_t kIlsKind = 4;
// An ILS serves a runway direction within this many degrees of its heading.
constexpr double kIlsHeadingTolerance = 6.0;
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr const char* kAirportRouteType = "A";

double PointLatitudeRadians(double y) { return DegreesToRadians(y / kArcSecondsPerDegree); }
// The navigation arithmetic counts longitudes west-positive.
double PointLongitudeRadians(double x) { return DegreesToRadians(-x / kArcSecondsPerDegree); }

std::string FirstLetter(const std::string& text) { return text.empty() ? text : text.substr(0, 1); }

}  // namespace

int Route::FindIlsForRunway(int airportNumber, double heading) const {
    const std::string line = route_detail::AirportLine(database_, airportNumber);
    if (line.empty()) {
        return -1;
    }
    char identText[aerodrex::airport_line::kIdent.size()] = {};
    GetAirportID(identText, line.c_str());
    const std::string ident = Trimmed(identText);
    const char side = GetAirportRnw(line.c_str());
    if (ident.empty()) {
        return -1;
    }
    for (size_t i = 1; i < database_.ils.size(); ++i) {
        const IlsRecord& ils = database_.ils[i];
        if (ils.type == kIlsKind && route_detail::Contains(ils.airportId, ident) && ils.runway == side &&
            route_detail::HeadingDifference(ils.heading, heading) <= kIlsHeadingTolerance) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

double Route::GetNearestMagVar(double x, double y) const {
    const int cell = GridCell(x, y);
    if (cell < 0 || cell >= kGridCells) {
        return 0.0;
    }
    double nearest = std::numeric_limits<double>::max();
    double magVar = 0.0;
    for (const AirportRecord& airport : database_.airportGrid[static_cast<size_t>(cell)]) {
        const double distance = GreatCircleDistance(PointLatitudeRadians(y), PointLongitudeRadians(x),
                                                    PointLatitudeRadians(airport.y),
                                                    PointLongitudeRadians(airport.x));
        if (distance < nearest) {
            nearest = distance;
            magVar = airport.magVar;
        }
    }
    return magVar;
}

void Route::ValidateTrip() {
    if (flightPlan_ == nullptr) {
        return;
    }
    int handed = 0;
    for (const CRoutePoint& point : points_) {
        if (point.databaseNumber == 0.0) {
            break;
        }
        const int number = static_cast<int>(point.databaseNumber);
        const int index = number - 1;
        if (point.IsAirport()) {
            if (number > database_.airportCount || !route_detail::IsAirportNumber(database_, number)) {
                platform::MessageBox(route_detail::kTripNoLongerValidMessage, {}, platform::MbIcon::Information);
                RemoveAllRoutePoints();
                host_.RedrawAll(true);
                return;
            }
            const CAirportArray& airports = database_.airportLines;
            const bool endTwo = point.directionFlag;
            flightPlan_->SetRouteRecord(handed, static_cast<int>(airports.GetAElev(index)), point.vorRole,
                                        Trimmed(airports.GetAID(index)), kAirportRouteType,
                                        Trimmed(endTwo ? airports.GetALatEnd(index) : airports.GetALatBeg(index)),
                                        Trimmed(endTwo ? airports.GetALonEnd(index) : airports.GetALonBeg(index)),
                                        std::string(), route_detail::AirportLine(database_, number));
        } else {
            if (!route_detail::IsNavaidNumber(database_, number)) {
                break;
            }
            const CNavaidArray& navaids = database_.navaidLines;
            flightPlan_->SetRouteRecord(handed, static_cast<int>(navaids.GetNfElev(index)), point.vorRole,
                                        Trimmed(navaids.GetNID(index)), FirstLetter(Trimmed(navaids.GetNType(index))),
                                        Trimmed(navaids.GetNLat(index)), Trimmed(navaids.GetNLon(index)),
                                        Trimmed(navaids.GetNName(index)), route_detail::NavaidLine(database_, number));
        }
        ++handed;
    }
    // A record of altitude -1 ends the route.
    flightPlan_->SetRouteRecord(handed, -1, {}, {}, {}, {}, {}, {}, {});
}

std::string Route::RouteFilePath() const {
    return platform::JoinWindowsPath(database_.baseDirectory(), kRouteFileName);
}

std::string Route::IlsLine(int ilsNumber) const {
    const auto& lines = database_.ilsLines;
    if (ilsNumber < 1 || ilsNumber >= static_cast<int>(lines.size())) {
        return {};
    }
    return lines[static_cast<size_t>(ilsNumber)];
}

}  // namespace trevalo
