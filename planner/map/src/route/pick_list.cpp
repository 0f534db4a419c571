#include "pick_list.h"

#include "map/headings.h"
#include "map/route_point.h"
#include "map/runway_numbers.h"
#include "platform/text.h"

namespace trevalo::route_detail {
namespace {

// A record is near a click that lies within this many arc-seconds below and above it.
constexpr double kNearBelow = 200.0;
constexpr double kNearAbove = 100.0;
constexpr size_t kMaxEntries = kPickListMaxEntries;

bool IsNear(double recordX, double recordY, double clickX, double clickY) {
    return recordX - kNearBelow < clickX && clickX < recordX + kNearAbove && recordY - kNearBelow < clickY &&
           clickY < recordY + kNearAbove;
}

std::string SideText(char side) { return side == 0 ? std::string() : std::string(1, side); }

std::string RunwayLabel(const AirportRecord& airport, int number) {
    return platform::Format("%s%02d", SideText(airport.runway).c_str(), number);
}

PickListEntry EntryInCell(char kind, int cell, std::string label, const char* ident, const char* name) {
    PickListEntry entry;
    entry.cell = {kind, CellColumn(cell), CellRow(cell)};
    entry.label = std::move(label);
    entry.ident = platform::Trimmed(ident);
    entry.name = platform::Trimmed(name);
    return entry;
}

PickListEntry AirportEntry(const NavDatabase& database, const AirportRecord& airport, int cell, int number,
                           double heading) {
    PickListEntry entry = EntryInCell(kAirportCellKind, cell, RunwayLabel(airport, number), airport.id, airport.name);
    const int ils = database.FindIlsForRunway(static_cast<int>(airport.number), heading);
    if (ils > 0) entry.ils = platform::Trimmed(database.ils[static_cast<size_t>(ils)].id);
    return entry;
}

// Two entries per airport, one per runway direction: end 1 (landing towards the
// reciprocal heading) first.
void AddAirportEntries(const NavDatabase& database, double clickX, double clickY, std::vector<PickListEntry>& entries) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        for (const AirportRecord& airport : database.airportGrid[static_cast<size_t>(cell)]) {
            if (!IsNear(airport.x, airport.y, clickX, clickY)) {
                continue;
            }
            const int number = RunwayNumber(airport);
            if (entries.size() < kMaxEntries) {
                entries.push_back(AirportEntry(database, airport, cell, number, ReciprocalHeading(airport.heading)));
            }
            if (entries.size() < kMaxEntries) {
                entries.push_back(
                    AirportEntry(database, airport, cell, ReciprocalRunwayNumber(number), airport.heading));
            }
        }
    }
}

// The pick list offers VORs, NDBs and DMEs; ILS beams come with their airports.
const char* OfferedNavaidType(const NavaidRecord& navaid) {
    return navaid.type == kPointIls ? "" : NavaidTypeText(navaid.type);
}

void AddNavaidEntries(const NavDatabase& database, double clickX, double clickY, std::vector<PickListEntry>& entries) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        for (const NavaidRecord& navaid : database.navaidGrid[static_cast<size_t>(cell)]) {
            const std::string typeText = OfferedNavaidType(navaid);
            if (typeText.empty() || !IsNear(navaid.x, navaid.y, clickX, clickY) || entries.size() >= kMaxEntries) {
                continue;
            }
            entries.push_back(EntryInCell(kNavaidCellKind, cell, typeText, navaid.id, navaid.name));
        }
    }
}

std::optional<PickedRecord> ResolveAirport(const NavDatabase& database, const PickListEntry& entry, int cell) {
    for (const AirportRecord& airport : database.airportGrid[static_cast<size_t>(cell)]) {
        if (platform::Trimmed(airport.id) != entry.ident) {
            continue;
        }
        const int number = RunwayNumber(airport);
        PickedRecord picked;
        picked.type = static_cast<int>(kPointAirport);
        picked.databaseNumber = airport.number;
        picked.ident = entry.ident;
        if (entry.label == RunwayLabel(airport, number)) {
            picked.x = airport.x1;
            picked.y = airport.y1;
            picked.course = ReciprocalHeading(airport.heading);
            picked.directionFlag = false;
            return picked;
        }
        if (entry.label == RunwayLabel(airport, ReciprocalRunwayNumber(number))) {
            picked.x = airport.x2;
            picked.y = airport.y2;
            picked.course = airport.heading;
            picked.directionFlag = true;
            return picked;
        }
    }
    return std::nullopt;
}

std::optional<PickedRecord> ResolveNavaid(const NavDatabase& database, const PickListEntry& entry, int cell) {
    for (const NavaidRecord& navaid : database.navaidGrid[static_cast<size_t>(cell)]) {
        if (platform::Trimmed(navaid.id) != entry.ident || entry.label != OfferedNavaidType(navaid)) {
            continue;
        }
        PickedRecord picked;
        picked.type = static_cast<int>(navaid.type);
        picked.x = navaid.x;
        picked.y = navaid.y;
        picked.databaseNumber = navaid.number;
        picked.ident = entry.ident;
        return picked;
    }
    return std::nullopt;
}

}  // namespace

int RunwayNumber(const AirportRecord& airport) { return RunwayNumbersFor(airport.heading, airport.magVar).endTwo; }

PickLists BuildPickEntries(const NavDatabase& database, double clickX, double clickY) {
    PickLists lists;
    AddAirportEntries(database, clickX, clickY, lists.airports);
    AddNavaidEntries(database, clickX, clickY, lists.navaids);
    return lists;
}

std::optional<PickedRecord> ResolvePickEntry(const NavDatabase& database, const PickListEntry& entry) {
    const GridCellTag& tag = entry.cell;
    if (tag.column < 0 || tag.column >= kGridColumns || tag.row < 0 || tag.row >= kGridRows) {
        return std::nullopt;
    }
    const int cell = CellOf(tag.column, tag.row);
    if (tag.kind == kAirportCellKind) {
        return ResolveAirport(database, entry, cell);
    }
    if (tag.kind == kNavaidCellKind) {
        return ResolveNavaid(database, entry, cell);
    }
    return std::nullopt;
}

}  // namespace trevalo::route_detail
