#include "pick_list.h"

#include <cctype>
#include <cstdlib>

#include "map/headings.h"
#include "map/route_point.h"
#include "map/runway_numbers.h"
#include "map/route_ports.h"
#include "route_text.h"

namespace trevalo::route_detail {
namespace {

// A record is near a click that lies within this many arc-seconds below and above it.
constexpr double kNearBelow = 200.0;
constexpr double kNearAbove = 100.0;
constexpr char kAirportKind = 'A';
constexpr char kNavaidKind = 'N';
constexpr size_t kEntriesBeforeMarker = kPickListCapacity - 1;

bool IsNear(double recordX, double recordY, double clickX, double clickY) {
    return recordX - kNearBelow < clickX && clickX < recordX + kNearAbove &&
           recordY - kNearBelow < clickY && clickY < recordY + kNearAbove;
}

int CellColumn(int cell) { return cell / kGridRows; }
int CellRow(int cell) { return cell % kGridRows; }

std::string SideText(char side) { return side == 0 ? std::string() : std::string(1, side); }

std::string RunwayLabel(const AirportRecord& airport, int number) {
    return Format("%s%02d", SideText(airport.runway).c_str(), number);
}

std::string AirportEntry(const AirportRecord& airport, int number, int cell, int ils,
                         const NavDatabase& database) {
    std::string entry = Format("[%s]%s\t(%c%02d,%02d)%s", RunwayLabel(airport, number).c_str(),
                               Trimmed(airport.id).c_str(), kAirportKind, CellColumn(cell), CellRow(cell),
                               Trimmed(airport.name).c_str());
    if (ils > 0 && ils < static_cast<int>(database.ils.size())) {
        entry += '\t';
        entry += Trimmed(database.ils[static_cast<size_t>(ils)].id);
    }
    return entry;
}

void AddAirportEntries(const NavDatabase& database, double clickX, double clickY,
                       std::vector<std::string>& entries) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        for (const AirportRecord& airport : database.airportGrid[static_cast<size_t>(cell)]) {
            if (!IsNear(airport.x, airport.y, clickX, clickY)) {
                continue;
            }
            const int number = RunwayNumber(airport);
            const int airportNumber = static_cast<int>(airport.number);
            const int firstIls = database.FindIlsForRunway(airportNumber, ReciprocalHeading(airport.heading));
            const int secondIls = database.FindIlsForRunway(airportNumber, airport.heading);
            if (entries.size() < kEntriesBeforeMarker) {
                entries.push_back(AirportEntry(airport, number, cell, firstIls, database));
            }
            if (entries.size() < kEntriesBeforeMarker) {
                entries.push_back(
                    AirportEntry(airport, ReciprocalRunwayNumber(number), cell, secondIls, database));
            }
        }
    }
}

void AddNavaidEntries(const NavDatabase& database, double clickX, double clickY,
                      std::vector<std::string>& entries) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        for (const NavaidRecord& navaid : database.navaidGrid[static_cast<size_t>(cell)]) {
            // The pick list offers VORs, NDBs and DMEs; ILS beams come with their airports.
            const std::string typeText = navaid.type == kPointIls ? "" : NavaidTypeText(navaid.type);
            if (typeText.empty() || !IsNear(navaid.x, navaid.y, clickX, clickY) ||
                entries.size() >= kEntriesBeforeMarker) {
                continue;
            }
            entries.push_back(Format("[%s]%s\t(%c%02d,%02d)%s", typeText.c_str(), Trimmed(navaid.id).c_str(),
                                     kNavaidKind, CellColumn(cell), CellRow(cell),
                                     Trimmed(navaid.name).c_str()));
        }
    }
}

struct ParsedEntry {
    std::string label;
    std::string ident;
    char kind = 0;
    int cell = -1;
};

bool ReadTwoDigits(const std::string& text, size_t at, int& value) {
    if (at + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1]))) {
        return false;
    }
    value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return true;
}

// "[label]ident\t(Kcc,rr)name..."
std::optional<ParsedEntry> ParseEntry(const std::string& entry) {
    if (entry.empty() || entry[0] != '[') {
        return std::nullopt;
    }
    const size_t close = entry.find(']');
    const size_t tab = close == std::string::npos ? std::string::npos : entry.find('\t', close);
    if (tab == std::string::npos) {
        return std::nullopt;
    }
    ParsedEntry parsed;
    parsed.label = entry.substr(1, close - 1);
    parsed.ident = Trimmed(entry.substr(close + 1, tab - close - 1));
    const size_t open = tab + 1;
    // "(" kind, two digits, ",", two digits, ")".
    int column = 0;
    int row = 0;
    if (open + 8 > entry.size() || entry[open] != '(' || entry[open + 4] != ',' || entry[open + 7] != ')' ||
        !ReadTwoDigits(entry, open + 2, column) || !ReadTwoDigits(entry, open + 5, row) ||
        column >= kGridColumns || row >= kGridRows) {
        return std::nullopt;
    }
    parsed.kind = entry[open + 1];
    parsed.cell = column * kGridRows + row;
    return parsed;
}

std::optional<PickedRecord> ResolveAirport(const NavDatabase& database, const ParsedEntry& parsed) {
    for (const AirportRecord& airport : database.airportGrid[static_cast<size_t>(parsed.cell)]) {
        if (Trimmed(airport.id) != parsed.ident) {
            continue;
        }
        const int number = RunwayNumber(airport);
        PickedRecord picked;
        picked.type = static_cast<int>(kPointAirport);
        picked.databaseNumber = airport.number;
        picked.ident = parsed.ident;
        if (parsed.label == RunwayLabel(airport, number)) {
            picked.x = airport.x1;
            picked.y = airport.y1;
            picked.course = ReciprocalHeading(airport.heading);
            picked.directionFlag = false;
            return picked;
        }
        if (parsed.label == RunwayLabel(airport, ReciprocalRunwayNumber(number))) {
            picked.x = airport.x2;
            picked.y = airport.y2;
            picked.course = airport.heading;
            picked.directionFlag = true;
            return picked;
        }
    }
    return std::nullopt;
}

std::optional<PickedRecord> ResolveNavaid(const NavDatabase& database, const ParsedEntry& parsed) {
    for (const NavaidRecord& navaid : database.navaidGrid[static_cast<size_t>(parsed.cell)]) {
        if (Trimmed(navaid.id) != parsed.ident || parsed.label != NavaidTypeText(navaid.type)) {
            continue;
        }
        PickedRecord picked;
        picked.type = static_cast<int>(navaid.type);
        picked.x = navaid.x;
        picked.y = navaid.y;
        picked.databaseNumber = navaid.number;
        picked.ident = parsed.ident;
        return picked;
    }
    return std::nullopt;
}

}  // namespace

int RunwayNumber(const AirportRecord& airport) {
    return RunwayNumbersFor(airport.heading, airport.magVar).endTwo;
}

PickLists BuildPickEntries(const NavDatabase& database, double clickX, double clickY) {
    PickLists lists;
    AddAirportEntries(database, clickX, clickY, lists.airports);
    lists.airports.push_back(kPickListAirportsEnd);
    AddNavaidEntries(database, clickX, clickY, lists.navaids);
    lists.navaids.push_back(kPickListNavaidsEnd);
    return lists;
}

std::optional<PickedRecord> ResolvePickEntry(const NavDatabase& database, const std::string& entry) {
    const std::optional<ParsedEntry> parsed = ParseEntry(entry);
    if (!parsed) {
        return std::nullopt;
    }
    if (parsed->kind == kAirportKind) {
        return ResolveAirport(database, *parsed);
    }
    if (parsed->kind == kNavaidKind) {
        return ResolveNavaid(database, *parsed);
    }
    return std::nullopt;
}

}  // namespace trevalo::route_detail
