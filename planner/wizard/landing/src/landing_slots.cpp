#include "landing/landing_slots.h"

#include <algorithm>
#include <cstring>

#include "aerodrex/airport_getters.h"
#include "map/angle_text.h"
#include "map/runway_numbers.h"
#include "map/sidstar_lookups.h"
#include "map/sidstar_runways.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kUserPointIdent = "USER";

int SlotCount(const adf::LandingValues& values) {
    return std::min(static_cast<int>(values.airports.size()), adf::kLandingSlotCount);
}

const char* ExpectedType(int airport) { return airport % 2 == 0 ? kSidType : kStarType; }

// The route point of the n-th airport; null when the route has fewer.
template <class Points>
auto* AirportPoint(Points& points, int airport) {
    for (auto& point : points)
        if (point.IsAirport() && airport-- == 0) return &point;
    return static_cast<decltype(&points.front())>(nullptr);
}

fileval LegOfLine(const std::string& line) {
    fileval leg;
    leg.FillFileval(line.c_str());
    return leg;
}

void CopyName(char (&name)[scenrix::kProcedureNameSize], const std::string& text) {
    const std::size_t size = std::min(text.size(), sizeof name - 1);
    std::memcpy(name, text.data(), size);
    name[size] = '\0';
}

// A slot that starts again takes the procedure its route point carries when the type
// matches, so that a route read from its file keeps its SIDs and STARs.
adf::LandingSlot SlotOfPoint(const CRoutePoint& point, const std::string& type) {
    adf::LandingSlot slot{point.ident, type, adf::kNoProcedure, {}};
    const SidStar& procedure = point.procedure;
    if (!point.HasProcedure() || (procedure.head != 0) != (type == kSidType) || procedure.firstName[0] == '\0')
        return slot;
    for (int i = 0; i < procedure.GetSize(); ++i) {
        if (procedure.lines[i][0] == '\0') break;
        slot.legs.emplace_back(procedure.lines[i]);
    }
    if (!slot.legs.empty()) slot.ident = procedure.firstName;
    return slot;
}

}  // namespace

std::vector<LandingRow> RefreshLandingSlots(adf::LandingValues& values, const std::vector<CRoutePoint>& points) {
    const int slots = SlotCount(values);
    std::vector<LandingRow> rows;
    int airport = 0;
    for (const CRoutePoint& point : points) {
        if (!point.IsAirport()) continue;
        const std::string type = ExpectedType(airport);
        if (airport >= slots) {
            rows.push_back({point.ident, type, adf::kNoProcedure, -1});
        } else {
            adf::LandingSlot& slot = values.airports[static_cast<std::size_t>(airport)];
            if (slot.airportName != point.ident || slot.type != type) slot = SlotOfPoint(point, type);
            rows.push_back({slot.airportName, slot.type, slot.ident, airport});
        }
        ++airport;
    }
    ResetLandingSlots(values, airport);
    return rows;
}

void ResetLandingSlots(adf::LandingValues& values, int firstAirport) {
    for (int slot = std::max(firstAirport, 0); slot < SlotCount(values); ++slot)
        values.airports[static_cast<std::size_t>(slot)] = {"", "", "", {}};
}

void RebuildRouteProcedures(const adf::LandingValues& values, std::vector<CRoutePoint>& points) {
    const int slots = SlotCount(values);
    int airport = 0;
    for (CRoutePoint& point : points) {
        if (!point.IsAirport()) continue;
        SidStar& procedure = point.procedure;
        procedure.Clear();
        procedure.lastIndex = -1;
        if (airport < slots) {
            const adf::LandingSlot& slot = values.airports[static_cast<std::size_t>(airport)];
            std::vector<fileval> legs;
            for (const std::string& line : slot.legs) {
                if (line.empty() || legs.size() == static_cast<std::size_t>(scenrix::kSidStarCapacity)) break;
                legs.push_back(LegOfLine(line));
            }
            if (!legs.empty()) {
                procedure.head = slot.type == kSidType ? 1 : 0;
                AppendProcedurePoints(legs, procedure);
                CopyName(procedure.firstName, slot.ident);
                CopyName(procedure.secondName, slot.ident);
            }
        }
        ++airport;
    }
}

std::optional<SidStarRequest> SelectionRequestFor(const adf::LandingValues& values,
                                                  const std::vector<CRoutePoint>& points, const NavDatabase& database,
                                                  int slot) {
    if (slot < 0 || slot >= SlotCount(values)) return std::nullopt;
    const CRoutePoint* point = AirportPoint(points, slot);
    if (point == nullptr) return std::nullopt;
    const int number = static_cast<int>(point->databaseNumber);
    const std::string line = database.AirportLine(number);
    if (line.empty()) return std::nullopt;
    // The runway of the direction in use: the point's runway end against the airport's
    // role (departure or landing) picks the heading or its reciprocal.
    const RunwayNumbers numbers =
        RunwayNumbersFor(GetAirportRunwayDegree(line.c_str()), GetAirportMagVar(line.c_str()));
    const bool departure = slot % 2 == 0;
    const int runway = point->directionFlag == departure ? numbers.endOne : numbers.endTwo;
    const LatLon position = AirportLinePosition(database.airportLines, number - 1);
    const adf::LandingSlot& chosen = values.airports[static_cast<std::size_t>(slot)];
    SidStarRequest request;
    request.airportIdent = platform::Trimmed(point->ident);
    request.runway = RunwayDesignator(GetAirportRnw(line.c_str()), runway);
    request.type = ExpectedType(slot);
    request.chosenIdent = chosen.ident == adf::kNoProcedure ? std::string() : chosen.ident;
    request.latitude = position.latitude;
    request.westLongitude = position.westLongitude;
    return request;
}

void StoreProcedure(adf::LandingSlot& slot, const std::string& ident, std::span<const fileval> legs) {
    slot.legs.clear();
    for (const fileval& leg : legs) {
        if (ident.empty() || leg.GetLine() == nullptr ||
            slot.legs.size() == static_cast<std::size_t>(kMaxProcedurePoints))
            break;
        slot.legs.emplace_back(leg.GetLine());
    }
    // A procedure without points lands by default.
    slot.ident = slot.legs.empty() ? adf::kNoProcedure : ident;
}

std::vector<std::string> ProcedureLegLines(const adf::LandingValues& values, int airport) {
    if (airport < 0 || airport >= SlotCount(values)) return {};
    const std::vector<std::string>& legs = values.airports[static_cast<std::size_t>(airport)].legs;
    return {legs.begin(), std::find(legs.begin(), legs.end(), std::string())};
}

std::vector<RouteRecord> ProcedureRouteRecords(const adf::LandingSlot& slot) {
    std::vector<RouteRecord> records;
    for (const std::string& line : slot.legs) {
        if (line.empty()) break;
        const fileval leg = LegOfLine(line);
        RouteRecord record;
        record.altitude = 0;
        record.ident = kUserPointIdent;
        record.type = kProcedureRecordType;
        record.latitude = FormatLatLon(leg.latitude, true);
        record.longitude = FormatLatLon(leg.longitude, false);
        record.recordLine = line;
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<RouteRecord> LandingSlotProcedures::ProcedurePoints(int airport) const {
    if (airport < 0 || airport >= SlotCount(values_)) return {};
    return ProcedureRouteRecords(values_.airports[static_cast<std::size_t>(airport)]);
}

}  // namespace trevalo
