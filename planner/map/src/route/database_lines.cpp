#include "database_lines.h"

#include <array>

#include "map/route_point.h"
#include "navdata/line_widths.h"

namespace trevalo::route_detail {
namespace {

struct NavaidKind {
    const char* text;
    double type;
};

constexpr std::array<NavaidKind, 4> kNavaidKinds{{
    {"VOR", kPointVor},
    {"NDB", kPointNdb},
    {"DME", kPointDme},
    {"ILS", kPointIls},
}};

}  // namespace

bool IsAirportNumber(const NavDatabase& database, int number) {
    return number >= 1 && number <= database.airportLines.GetSize();
}

bool IsNavaidNumber(const NavDatabase& database, int number) {
    return number >= 1 && number <= database.navaidLines.GetSize();
}

std::string AirportLine(const NavDatabase& database, int number) {
    if (!IsAirportNumber(database, number)) {
        return {};
    }
    char line[navdata::kAirportLineWidth + 1] = {};
    database.airportLines.GetALine(line, number - 1);
    return line;
}

std::string NavaidLine(const NavDatabase& database, int number) {
    if (!IsNavaidNumber(database, number)) {
        return {};
    }
    char line[navdata::kNavaidLineWidth + 1] = {};
    database.navaidLines.GetNLine(line, number - 1);
    return line;
}

const char* NavaidTypeText(double type) {
    for (const NavaidKind& kind : kNavaidKinds) {
        if (kind.type == type && type != kPointIls) {
            return kind.text;
        }
    }
    return "";
}

double NavaidTypeOfText(const std::string& typeText) {
    for (const NavaidKind& kind : kNavaidKinds) {
        if (typeText == kind.text) {
            return kind.type;
        }
    }
    return kPointNone;
}

}  // namespace trevalo::route_detail
