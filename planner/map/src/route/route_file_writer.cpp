#include "route_file_writer.h"

#include "aerodrex/airport_getters.h"
#include "map/angle_text.h"
#include "map/corrected_airport.h"
#include "map/runway_numbers.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "route_messages.h"

namespace trevalo::route_detail {
namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

constexpr const char* kUserExtraIdent = "USER_EXTRA";
constexpr const char* kAirportEntryType = "A";
constexpr const char* kUserEntryType = "U";
constexpr int kRunwayNumberRounding = 5;
constexpr int kDegreesPerRunwayNumber = 10;

class RouteFileComposer {
public:
    explicit RouteFileComposer(const RouteFileInputs& inputs) : in_(inputs) {}

    std::optional<adf::RouteFile> Compose() {
        if (in_.holdingEnabled && !AddHoldings()) {
            return std::nullopt;
        }
        if (!in_.points.empty()) {
            AddCorrectedStart();
        }
        if (!AddSections()) {
            return std::nullopt;
        }
        return std::move(file_);
    }

private:
    adf::Holding HoldingOf(int number, double holding) const {
        adf::Holding entry{.number = number, .value = static_cast<int>(holding)};
        // A holding navaid is given by its index in the navaid list.
        const int index = static_cast<int>(holding);
        if (holding == kNoHolding) {
            entry.place = adf::HoldingPlace::NoHolding;
        } else if (holding == kHolding10Nm) {
            entry.place = adf::HoldingPlace::TenMiles;
        } else if (holding > 0 && index < in_.database.navaidLines.GetSize()) {
            entry.place = adf::HoldingPlace::Navaid;
            entry.navaidLine = in_.database.NavaidLine(index + 1);
        }
        return entry;
    }

    bool AddHoldings() {
        int airport = 0;
        for (size_t i = 1; i < in_.points.size(); ++i) {
            const CRoutePoint& point = in_.points[i];
            if (!point.IsAirport()) {
                continue;
            }
            if (point.holding == kHoldingNotPlaced) {
                platform::MessageBox(kHoldingNotPlacedMessage, {}, MbIcon::Information);
                return false;
            }
            file_.holdings.push_back(HoldingOf(++airport, point.holding));
        }
        return true;
    }

    // The runway of the first airport as "%1s%02d": its side letter and the number of the
    // runway end in use.
    static std::string StartRunway(const std::string& airportLine, bool endTwo) {
        const char side = GetAirportRnw(airportLine.c_str());
        const int heading = static_cast<int>(GetAirportRunwayDegree(airportLine.c_str()));
        const int magnetic = static_cast<int>(heading - GetAirportMagVar(airportLine.c_str()));
        const int number = NormalizeRunwayNumber((magnetic + kRunwayNumberRounding) / kDegreesPerRunwayNumber);
        const std::string sideText = side == 0 ? std::string() : std::string(1, side);
        return platform::Format("%1s%02d", sideText.c_str(), endTwo ? number : ReciprocalRunwayNumber(number));
    }

    void AddCorrectedStart() {
        const CRoutePoint& first = in_.points.front();
        const std::string line = in_.database.AirportLine(static_cast<int>(first.databaseNumber));
        if (!first.IsAirport() || line.empty()) {
            return;
        }
        adf::CorrectedStart start;
        if (LookupCorrectedAirport(AirportIdent(line), StartRunway(line, first.directionFlag),
                                   in_.database.baseDirectory(), start.latitude, start.longitude)) {
            file_.correctedStart = start;
        }
    }

    static std::string AirportIdent(const std::string& airportLine) {
        char ident[aerodrex::airport_line::kIdent.size()] = {};
        GetAirportID(ident, airportLine.c_str());
        return platform::Trimmed(ident);
    }

    adf::NavaidSection VorSection(const CRoutePoint& point) const {
        return {.navaidLine = in_.database.NavaidLine(static_cast<int>(point.databaseNumber)),
                .radial = static_cast<int>(point.course),
                .role = point.vorRole == kVor2Role ? adf::VorRole::Vor2 : adf::VorRole::Vor1,
                .direction = point.directionFlag ? adf::VorDirection::To : adf::VorDirection::From};
    }

    adf::NavaidSection NdbSection(const CRoutePoint& point) const {
        return {.navaidLine = in_.database.NavaidLine(static_cast<int>(point.databaseNumber))};
    }

    static adf::Procedure ProcedureOf(const SidStar& procedure) {
        adf::Procedure written{.kind = procedure.head != 0 ? adf::ProcedureKind::Sid : adf::ProcedureKind::Star,
                               .ident = procedure.firstName,
                               .name = procedure.secondName};
        for (int leg = 0; leg < procedure.GetSize() && leg < scenrix::kSidStarCapacity; ++leg) {
            written.legs.emplace_back(procedure.lines[leg]);
        }
        return written;
    }

    // The "U" entries of the route list directly before the landing airport's entry.
    std::vector<adf::UserWaypoint> UserWaypoints(int airportSections) const {
        const std::vector<RouteListEntry>& entries = in_.routeList;
        int airports = 0;
        size_t airportEntry = entries.size();
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].type == kAirportEntryType && ++airports == airportSections) {
                airportEntry = i;
                break;
            }
        }
        std::vector<adf::UserWaypoint> points;
        if (airportEntry == entries.size()) {
            return points;
        }
        size_t first = airportEntry;
        while (first > 0 && entries[first - 1].type == kUserEntryType) {
            --first;
        }
        for (size_t i = first; i < airportEntry; ++i) {
            if (platform::Trimmed(entries[i].ident) == kUserExtraIdent) {
                points.push_back({ParseLatLonText(platform::Trimmed(entries[i].latitude)),
                                  ParseLatLonText(platform::Trimmed(entries[i].longitude))});
            }
        }
        return points;
    }

    // False on Cancel.
    bool AskForIls(const CRoutePoint& point, adf::AirportSection& section) const {
        const int ils = in_.database.FindIlsForRunway(static_cast<int>(point.databaseNumber), point.course);
        if (ils < 1 || ils >= static_cast<int>(in_.database.ils.size())) {
            return true;
        }
        const std::string question = platform::Format(
            kIlsQuestionFormat, platform::Trimmed(in_.database.ils[static_cast<size_t>(ils)].id).c_str(),
            AirportIdent(section.airportLine).c_str());
        const MbResult answer = platform::MessageBox(question, {}, MbIcon::Question, MbButtons::YesNoCancel);
        if (answer == MbResult::Cancel) {
            return false;
        }
        if (answer == MbResult::Yes) {
            section.ilsLine = in_.database.IlsLine(ils);
        }
        return true;
    }

    bool AddAirportSection(const CRoutePoint& point, int airportSections) {
        adf::AirportSection section{.airportLine = in_.database.AirportLine(static_cast<int>(point.databaseNumber)),
                                    .runwayEnd = point.directionFlag,
                                    .runwayHeading = point.course};
        if (point.HasProcedure()) {
            section.procedure = ProcedureOf(point.procedure);
            // The landing page keeps every leg of the choice, the point the first ten.
            const size_t airport = static_cast<size_t>(airportSections - 1);
            if (airport < in_.procedureLegs.size() && !in_.procedureLegs[airport].empty()) {
                section.procedure->legs = in_.procedureLegs[airport];
            }
        }
        // Every second airport is a landing airport.
        if (airportSections % 2 == 0) {
            section.userWaypoints = UserWaypoints(airportSections);
            if (!AskForIls(point, section)) {
                return false;
            }
        }
        file_.sections.emplace_back(std::move(section));
        return true;
    }

    bool AddSections() {
        int airportSections = 0;
        for (const CRoutePoint& point : in_.points) {
            if (point.type == kPointVor) {
                file_.sections.emplace_back(VorSection(point));
            } else if (point.type == kPointNdb) {
                file_.sections.emplace_back(NdbSection(point));
            } else if (point.IsAirport()) {
                if (!AddAirportSection(point, ++airportSections)) {
                    return false;
                }
            } else if (point.type == kPointDme) {
                file_.sections.emplace_back(
                    adf::OtherSection{.dmeLine = in_.database.NavaidLine(static_cast<int>(point.databaseNumber))});
            } else {
                file_.sections.emplace_back(adf::OtherSection{});
            }
        }
        return true;
    }

    const RouteFileInputs& in_;
    adf::RouteFile file_;
};

}  // namespace

std::optional<adf::RouteFile> ComposeRouteFile(const RouteFileInputs& inputs) {
    return RouteFileComposer(inputs).Compose();
}

}  // namespace trevalo::route_detail
