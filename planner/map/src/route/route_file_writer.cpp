#include "route_file_writer.h"

#include "aerodrex/airport_getters.h"
#include "map/angle_text.h"
#include "map/corrected_airport.h"
#include "map/runway_numbers.h"
#include "platform/message_box.h"
#include "route_file_tags.h"
#include "route_messages.h"
#include "route_text.h"

namespace trevalo::route_detail {
namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kUserExtraIdent = "USER_EXTRA";
constexpr const char* kAirportEntryType = "A";
constexpr const char* kUserEntryType = "U";
constexpr int kRunwayNumberRounding = 5;
constexpr int kDegreesPerRunwayNumber = 10;

class RouteFileComposer {
public:
    explicit RouteFileComposer(const RouteFileInputs& inputs) : in_(inputs) {}

    std::optional<std::string> Compose() {
        if (in_.holdingEnabled && !WriteHoldings()) {
            return std::nullopt;
        }
        if (!in_.points.empty()) {
            WriteCorrectedStart();
        }
        if (!WriteSections()) {
            return std::nullopt;
        }
        return text_;
    }

private:
    void Add(const std::string& line) {
        text_ += line;
        text_ += kLineEnd;
    }

    std::string HoldingValueLine(double holding) const {
        if (holding == kNoHolding) {
            return kNoHoldValue;
        }
        if (holding == kHolding10Nm) {
            return k10NmValue;
        }
        // A holding navaid is given by its index in the navaid list.
        const int index = static_cast<int>(holding);
        if (holding > 0 && index < in_.database.navaidLines.GetSize()) {
            return in_.database.NavaidLine(index + 1);
        }
        // A value this writer does not know still gets its (empty) value line.
        return {};
    }

    bool WriteHoldings() {
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
            ++airport;
            Add(Format(kHoldingNumberKeyFormat, airport));
            Add(Format("%d", static_cast<int>(point.holding)));
            Add(Format(kHoldingLineKeyFormat, airport));
            Add(HoldingValueLine(point.holding));
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
        return Format("%1s%02d", sideText.c_str(), endTwo ? number : ReciprocalRunwayNumber(number));
    }

    void WriteCorrectedStart() {
        const CRoutePoint& first = in_.points.front();
        const std::string line = in_.database.AirportLine(static_cast<int>(first.databaseNumber));
        if (!first.IsAirport() || line.empty()) {
            return;
        }
        double latitude = 0.0;
        double longitude = 0.0;
        if (!LookupCorrectedAirport(AirportIdent(line), StartRunway(line, first.directionFlag),
                                    in_.database.baseDirectory(), latitude, longitude)) {
            return;
        }
        Add(kCorrectLatitudeKey);
        Add(Format("%f", latitude));
        Add(kCorrectLongitudeKey);
        Add(Format("%f", longitude));
    }

    static std::string AirportIdent(const std::string& airportLine) {
        char ident[aerodrex::airport_line::kIdent.size()] = {};
        GetAirportID(ident, airportLine.c_str());
        return Trimmed(ident);
    }

    void WriteVorBody(const CRoutePoint& point) {
        Add(in_.database.NavaidLine(static_cast<int>(point.databaseNumber)));
        Add(Format(kRadialFormat, static_cast<int>(point.course)));
        Add(point.vorRole == kVor2Role ? kVor2Tag : kVor1Tag);
        Add(point.directionFlag ? kToTag : kFromTag);
        Add(kEndSectionTag);
    }

    void WriteNdbBody(const CRoutePoint& point) {
        Add(in_.database.NavaidLine(static_cast<int>(point.databaseNumber)));
        Add(Format(kRadialFormat, 0));
        Add(kEndSectionTag);
    }

    void WriteProcedure(const SidStar& procedure) {
        const char* kind = procedure.head != 0 ? kSidKind : kStarKind;
        Add(Format(kProcedureIdentFormat, kind, procedure.firstName));
        Add(Format(kProcedureNameFormat, kind, procedure.secondName));
        for (int leg = 0; leg < procedure.GetSize() && leg < scenrix::kSidStarCapacity; ++leg) {
            Add(std::string(kSidStarTag) + procedure.lines[leg]);
        }
    }

    // The "U" entries of the route list directly before the landing airport's entry.
    void WriteUserWaypoints(int airportSections) {
        const std::vector<RouteListEntry>& entries = in_.routeList;
        int airports = 0;
        size_t airportEntry = entries.size();
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].type == kAirportEntryType && ++airports == airportSections) {
                airportEntry = i;
                break;
            }
        }
        if (airportEntry == entries.size()) {
            return;
        }
        size_t first = airportEntry;
        while (first > 0 && entries[first - 1].type == kUserEntryType) {
            --first;
        }
        for (size_t i = first; i < airportEntry; ++i) {
            if (Trimmed(entries[i].ident) == kUserExtraIdent) {
                Add(Format(kUserWaypointFormat, ParseLatLonText(Trimmed(entries[i].latitude)),
                           ParseLatLonText(Trimmed(entries[i].longitude))));
            }
        }
    }

    // False on Cancel.
    bool WriteIls(const CRoutePoint& point, const std::string& airportLine) {
        const int ils = in_.database.FindIlsForRunway(static_cast<int>(point.databaseNumber), point.course);
        if (ils < 1 || ils >= static_cast<int>(in_.database.ils.size())) {
            return true;
        }
        const std::string question = Format(kIlsQuestionFormat, Trimmed(in_.database.ils[static_cast<size_t>(ils)].id).c_str(),
                                            AirportIdent(airportLine).c_str());
        const MbResult answer = platform::MessageBox(question, {}, MbIcon::Question, MbButtons::YesNoCancel);
        if (answer == MbResult::Cancel) {
            return false;
        }
        if (answer == MbResult::Yes) {
            Add(kIlsTag);
            Add(in_.database.IlsLine(ils));
        }
        return true;
    }

    bool WriteAirportBody(const CRoutePoint& point, int airportSections) {
        const std::string line = in_.database.AirportLine(static_cast<int>(point.databaseNumber));
        Add(line);
        Add(Format(point.directionFlag ? kRunwayEndFormat : kRunwayBeginFormat, point.course));
        if (point.HasProcedure()) {
            WriteProcedure(point.procedure);
        }
        // Every second airport is a landing airport.
        if (airportSections % 2 == 0) {
            WriteUserWaypoints(airportSections);
            if (!WriteIls(point, line)) {
                return false;
            }
        }
        Add(kEndSectionTag);
        return true;
    }

    bool WriteSections() {
        int airportSections = 0;
        for (size_t i = 0; i < in_.points.size(); ++i) {
            const CRoutePoint& point = in_.points[i];
            Add(Format(kSectionFormat, kFirstSectionNumber + static_cast<int>(i)));
            if (point.type == kPointVor) {
                WriteVorBody(point);
            } else if (point.type == kPointNdb) {
                WriteNdbBody(point);
            } else if (point.IsAirport()) {
                if (!WriteAirportBody(point, ++airportSections)) {
                    return false;
                }
            }
        }
        return true;
    }

    const RouteFileInputs& in_;
    std::string text_;
};

}  // namespace

std::optional<std::string> ComposeRouteFile(const RouteFileInputs& inputs) {
    return RouteFileComposer(inputs).Compose();
}

}  // namespace trevalo::route_detail
