#include "map/route_file_reader.h"

#include <algorithm>
#include <optional>

#include "adf/route_file.h"
#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "map/angle_text.h"
#include "map/headings.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
// A file's airport matches a database airport whose heading is closer than this.
constexpr double kAirportHeadingTolerance = 1.0;

class RouteFileParser {
public:
    explicit RouteFileParser(const NavDatabase& database) : database_(database) {}

    RouteFileContents Parse(const adf::RouteFile& file) const {
        RouteFileContents contents;
        // A point is large (its procedure's legs), and copying one copies every leg: each is
        // made once, in its place.
        contents.points.reserve(std::min(file.sections.size(), static_cast<size_t>(kMaxRoutePoints)));
        for (const adf::RouteSection& section : file.sections) {
            const auto* airport = std::get_if<adf::AirportSection>(&section);
            const std::optional<adf::NavaidSection> navaid = NavaidOf(section);
            if (airport == nullptr && !navaid) {
                continue;
            }
            if (contents.points.size() >= static_cast<size_t>(kMaxRoutePoints)) {
                contents.status = RouteFileStatus::TooManyPoints;
                return contents;
            }
            CRoutePoint& point = contents.points.emplace_back();
            if (navaid) {
                if (!ReadNavaid(*navaid, point)) {
                    return {RouteFileStatus::NavaidMissing, {}};
                }
            } else if (!ReadAirport(*airport, point)) {
                contents.points.pop_back();
            }
        }
        return contents;
    }

private:
    // The navaid of a VOR's or an NDB's section, or of a DME point's, which has no radial,
    // role or direction.
    static std::optional<adf::NavaidSection> NavaidOf(const adf::RouteSection& section) {
        if (const auto* navaid = std::get_if<adf::NavaidSection>(&section)) {
            return *navaid;
        }
        const auto* other = std::get_if<adf::OtherSection>(&section);
        if (other != nullptr && !other->dmeLine.empty()) {
            return adf::NavaidSection{.navaidLine = other->dmeLine};
        }
        return std::nullopt;
    }

    // A field of a record line, trimmed.
    static std::string Field(void (*getter)(char*, const char*), size_t size, const std::string& line) {
        std::string field(size, '\0');
        getter(field.data(), line.c_str());
        return platform::Trimmed(field.c_str());
    }

    // Fills the route point of the navaid's section; false when the database lacks it.
    bool ReadNavaid(const adf::NavaidSection& section, CRoutePoint& point) const {
        using namespace beaconex::navaid_line;
        const std::string& line = section.navaidLine;
        const std::string ident = Field(GetNavaidsID, kIdent.size(), line);
        const std::string name = Field(GetNavaidsName, kName.size(), line);
        const double type = NavaidTypeOfText(Field(GetNavaidsType, kType.size(), line));
        const double x = -ParseLatLonText(Field(GetNavaidsLon, kLongitude.size(), line)) * kArcSecondsPerDegree;
        const double y = ParseLatLonText(Field(GetNavaidsLat, kLatitude.size(), line)) * kArcSecondsPerDegree;
        const int cell = GridCell(x, y);
        if (cell < 0 || cell >= kGridCells) {
            return false;
        }
        for (const NavaidRecord& navaid : database_.navaidGrid[static_cast<size_t>(cell)]) {
            if (platform::Trimmed(navaid.id) != ident || platform::Trimmed(navaid.name) != name ||
                navaid.type != type) {
                continue;
            }
            point.x = navaid.x;
            point.y = navaid.y;
            point.type = navaid.type;
            point.databaseNumber = navaid.number;
            point.ident = ident;
            point.course = section.radial;
            if (section.role) {
                point.vorRole = *section.role == adf::VorRole::Vor2 ? kVor2Role : kVor1Role;
            }
            if (section.direction) {
                point.directionFlag = *section.direction == adf::VorDirection::To;
            }
            return true;
        }
        return false;
    }

    static std::string_view WithoutTrailingBlanks(std::string_view line) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
        return line;
    }

    // The runway the file's line was written from: the database's line equal to it, else
    // the runway of the ident with the same side and heading text; when the database no
    // longer holds either, the first of the ident with the side whose heading lies within
    // a degree. Parallel runways share ident, side and nearly the heading: only the line
    // tells them apart.
    const AirportRecord* FindAirport(const std::string& line) const {
        using namespace aerodrex::airport_line;
        const std::string ident = Field(GetAirportID, kIdent.size(), line);
        const char side = GetAirportRnw(line.c_str());
        const std::vector<const AirportRecord*>& runways = database_.AirportsWithIdent(ident);
        for (const AirportRecord* airport : runways) {
            if (WithoutTrailingBlanks(database_.AirportLine(static_cast<int>(airport->number))) ==
                WithoutTrailingBlanks(line)) {
                return airport;
            }
        }
        const std::string headingText = Field(GetAirportRunway, kRunwayHeading.size(), line);
        for (const AirportRecord* airport : runways) {
            const std::string own = database_.AirportLine(static_cast<int>(airport->number));
            if (airport->runway == side && airport->id == ident &&
                Field(GetAirportRunway, kRunwayHeading.size(), own) == headingText) {
                return airport;
            }
        }
        const double heading = GetAirportRunwayDegree(line.c_str());
        for (const AirportRecord* airport : runways) {
            if (airport->runway == side && airport->id == ident &&
                HeadingDifference(airport->heading, heading) < kAirportHeadingTolerance) {
                return airport;
            }
        }
        return nullptr;
    }

    // SID/STAR, user waypoint and ILS lines are the wizard's, not read here.
    // Fills the route point of the airport's section; false when the database lacks it.
    bool ReadAirport(const adf::AirportSection& section, CRoutePoint& point) const {
        const AirportRecord* airport = FindAirport(section.airportLine);
        if (airport == nullptr) {
            return false;
        }
        point.type = kPointAirport;
        point.databaseNumber = airport->number;
        point.ident = platform::Trimmed(airport->id);
        point.directionFlag = section.runwayEnd;
        point.x = section.runwayEnd ? airport->x2 : airport->x1;
        point.y = section.runwayEnd ? airport->y2 : airport->y1;
        point.course = section.runwayHeading;
        return true;
    }

    const NavDatabase& database_;
};

}  // namespace

RouteFileContents ParseRouteFile(const std::vector<std::string>& lines, const NavDatabase& database) {
    return RouteFileParser(database).Parse(adf::ReadRouteFile(lines));
}

}  // namespace trevalo
