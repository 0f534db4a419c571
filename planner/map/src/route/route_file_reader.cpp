#include "map/route_file_reader.h"

#include <cstdlib>
#include <optional>

#include "aerodrex/airport_getters.h"
#include "aerodrex/line_type.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "map/headings.h"
#include "map/angle_text.h"
#include "route_file_tags.h"
#include "route_text.h"

namespace trevalo {
namespace {

using namespace route_detail;

constexpr double kArcSecondsPerDegree = 3600.0;
// A file's airport matches a database airport whose heading is closer than this.
constexpr double kAirportHeadingTolerance = 1.0;

class RouteFileParser {
public:
    RouteFileParser(const std::vector<std::string>& lines, const NavDatabase& database)
        : lines_(lines), database_(database) {}

    RouteFileContents Parse() {
        RouteFileContents contents;
        while (next_ < lines_.size() && !Contains(lines_[next_], kFirstSectionMark)) {
            ++next_;
        }
        if (next_ == lines_.size()) {
            return contents;
        }
        ++next_;
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            const int kind = GetLineType(line.c_str());
            if (kind != kNavaidLineType && kind != kAirportLineType) {
                continue;
            }
            if (contents.points.size() >= static_cast<size_t>(kMaxRoutePoints)) {
                contents.status = RouteFileStatus::TooManyPoints;
                return contents;
            }
            if (kind == kNavaidLineType) {
                std::optional<CRoutePoint> point = ReadNavaid(line);
                if (!point) {
                    return {RouteFileStatus::NavaidMissing, {}};
                }
                contents.points.push_back(std::move(*point));
            } else if (std::optional<CRoutePoint> point = ReadAirport(line)) {
                contents.points.push_back(std::move(*point));
            }
        }
        return contents;
    }

private:
    static std::string NavaidField(void (*getter)(char*, const char*), size_t size, const std::string& line) {
        std::string field(size, '\0');
        getter(field.data(), line.c_str());
        return Trimmed(field.c_str());
    }

    std::optional<CRoutePoint> ReadNavaid(const std::string& line) {
        using namespace beaconex::navaid_line;
        const std::string ident = NavaidField(GetNavaidsID, kIdent.size(), line);
        const std::string name = NavaidField(GetNavaidsName, kName.size(), line);
        const double type = NavaidTypeOfText(NavaidField(GetNavaidsType, kType.size(), line));
        const double x = -ParseLatLonText(NavaidField(GetNavaidsLon, kLongitude.size(), line)) * kArcSecondsPerDegree;
        const double y = ParseLatLonText(NavaidField(GetNavaidsLat, kLatitude.size(), line)) * kArcSecondsPerDegree;
        const int cell = GridCell(x, y);
        if (cell < 0 || cell >= kGridCells) {
            return std::nullopt;
        }
        for (const NavaidRecord& navaid : database_.navaidGrid[static_cast<size_t>(cell)]) {
            if (Trimmed(navaid.id) != ident || Trimmed(navaid.name) != name || navaid.type != type) {
                continue;
            }
            CRoutePoint point;
            point.x = navaid.x;
            point.y = navaid.y;
            point.type = navaid.type;
            point.databaseNumber = navaid.number;
            point.ident = ident;
            ReadNavaidBody(point);
            return point;
        }
        return std::nullopt;
    }

    void ReadNavaidBody(CRoutePoint& point) {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            if (StartsWith(line, kEndSectionTag)) {
                return;
            }
            if (StartsWith(line, kRadialTag)) {
                if (line.size() > kRadialDigitsColumn) {
                    point.course = std::atoi(line.substr(kRadialDigitsColumn, kRadialDigits).c_str());
                }
            } else if (StartsWith(line, kVor1Tag)) {
                point.vorRole = kVor1Role;
            } else if (StartsWith(line, kVor2Tag)) {
                point.vorRole = kVor2Role;
            } else if (StartsWith(line, kToTag)) {
                point.directionFlag = true;
            } else if (StartsWith(line, kFromTag)) {
                point.directionFlag = false;
            }
        }
    }

    const AirportRecord* FindAirport(const std::string& ident, char side, double heading) const {
        for (const auto& cell : database_.airportGrid) {
            for (const AirportRecord& airport : cell) {
                if (airport.runway == side && Trimmed(airport.id) == ident &&
                    HeadingDifference(airport.heading, heading) < kAirportHeadingTolerance) {
                    return &airport;
                }
            }
        }
        return nullptr;
    }

    std::optional<CRoutePoint> ReadAirport(const std::string& line) {
        char identText[aerodrex::airport_line::kIdent.size()] = {};
        GetAirportID(identText, line.c_str());
        const AirportRecord* airport =
            FindAirport(Trimmed(identText), GetAirportRnw(line.c_str()), GetAirportRunwayDegree(line.c_str()));
        if (airport == nullptr) {
            SkipToEndOfSection();
            return std::nullopt;
        }
        CRoutePoint point;
        point.type = kPointAirport;
        point.databaseNumber = airport->number;
        point.ident = Trimmed(airport->id);
        point.directionFlag = false;
        point.x = airport->x1;
        point.y = airport->y1;
        if (next_ < lines_.size()) {
            const std::string& runwayLine = lines_[next_++];
            if (Contains(runwayLine, kRunwayEndTag)) {
                point.directionFlag = true;
                point.x = airport->x2;
                point.y = airport->y2;
            }
            if (runwayLine.size() > kRunwayHeadingColumn) {
                point.course = std::atof(runwayLine.c_str() + kRunwayHeadingColumn);
            }
            if (StartsWith(runwayLine, kEndSectionTag)) {
                return point;
            }
        }
        SkipToEndOfSection();
        return point;
    }

    // SID/STAR, user waypoint and ILS lines are the wizard's; the line after "[ILS]" is
    // passed over whatever it holds.
    void SkipToEndOfSection() {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            if (StartsWith(line, kEndSectionTag)) {
                return;
            }
            if (StartsWith(line, kIlsTag)) {
                ++next_;
            }
        }
    }

    const std::vector<std::string>& lines_;
    const NavDatabase& database_;
    size_t next_ = 0;
};

}  // namespace

RouteFileContents ParseRouteFile(const std::vector<std::string>& lines, const NavDatabase& database) {
    return RouteFileParser(lines, database).Parse();
}

}  // namespace trevalo
