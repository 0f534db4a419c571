// The check of the route against the loaded airports, handing each point's record to the
// flight-plan page.
#include "map/route.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "route_messages.h"

namespace trevalo {
namespace {

constexpr const char* kAirportRouteType = "A";

std::string FirstLetter(const std::string& text) { return text.empty() ? text : text.substr(0, 1); }

}  // namespace

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
            if (number > database_.airportCount || !database_.IsAirportNumber(number)) {
                platform::MessageBox(route_detail::kTripNoLongerValidMessage, {}, platform::MbIcon::Information);
                RemoveAllRoutePoints();
                host_->RedrawAll(true);
                return;
            }
            const CAirportArray& airports = database_.airportLines;
            const bool endTwo = point.directionFlag;
            flightPlan_->SetRouteRecord(
                handed, static_cast<int>(airports.GetAElev(index)), point.vorRole,
                platform::Trimmed(airports.GetAID(index)), kAirportRouteType,
                platform::Trimmed(endTwo ? airports.GetALatEnd(index) : airports.GetALatBeg(index)),
                platform::Trimmed(endTwo ? airports.GetALonEnd(index) : airports.GetALonBeg(index)), std::string(),
                database_.AirportLine(number));
        } else {
            if (!database_.IsNavaidNumber(number)) {
                break;
            }
            const CNavaidArray& navaids = database_.navaidLines;
            flightPlan_->SetRouteRecord(
                handed, static_cast<int>(navaids.GetNfElev(index)), point.vorRole,
                platform::Trimmed(navaids.GetNID(index)), FirstLetter(platform::Trimmed(navaids.GetNType(index))),
                platform::Trimmed(navaids.GetNLat(index)), platform::Trimmed(navaids.GetNLon(index)),
                platform::Trimmed(navaids.GetNName(index)), database_.NavaidLine(number));
        }
        ++handed;
    }
    // A record of altitude -1 ends the route.
    flightPlan_->SetRouteRecord(handed, -1, {}, {}, {}, {}, {}, {}, {});
}

std::string Route::RouteFilePath() const {
    return platform::JoinWindowsPath(database_.baseDirectory(), kRouteFileName);
}

}  // namespace trevalo
