// The route part of an adventure definition, as the planner's route file
// map_internal.adf carries it and the definition copies it whole:
//
//   holding lines   "\tATC_GIVE_HOLDING_104_LINE_NUM%02d:" value, "\tATC_GIVE_HOLDING_104_LINE_%02d:" place
//   corrected start "\tCORRECT_LAT_6000:" latitude, "\tCORRECT_LON_6001:" longitude
//   one section per route point, "NAVAIDINFO_%d:" numbered from 300, holding the
//   point's database record line and tagged lines up to "[ENDSECTION]".
//
// WriteRouteFile and ReadRouteFile are the grammar's one writer and one reader; the
// planner, Textorin and Flitmark all go through them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace adf {

// Every member below has an initializer, so that designated initializers may name
// only the members that matter.

inline constexpr int kFirstSectionNumber = 300;

enum class HoldingPlace {
    NoHolding,  // "NOHOLD"
    TenMiles,   // "10NM": 10 nm from the landing airport
    Navaid,     // over the navaid of navaidLine
    Unknown,    // any other place line (an empty one is written)
};

// Holding at one route airport after the first.
struct Holding {
    int number = 0;              // 1, 2, ... over those airports in route order
    std::optional<int> value{};  // the point's holding value; none when its line is missing or empty
    HoldingPlace place = HoldingPlace::Unknown;
    std::string navaidLine{};

    bool operator==(const Holding&) const = default;
};

// The first airport's position from the airport corrections, in decimal degrees.
struct CorrectedStart {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const CorrectedStart&) const = default;
};

enum class ProcedureKind { Sid, Star };

struct Procedure {
    ProcedureKind kind = ProcedureKind::Sid;
    std::string ident{};
    std::string name{};
    std::vector<std::string> legs{};  // leg texts in order, as the SID/STAR records write them

    bool operator==(const Procedure&) const = default;
};

// A point the user placed before a landing airport, in decimal degrees.
struct UserWaypoint {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const UserWaypoint&) const = default;
};

struct AirportSection {
    std::string airportLine{};
    bool runwayEnd = false;  // "[END]": the point is the runway's end; "[BEG]": its beginning
    double runwayHeading = 0.0;
    std::optional<Procedure> procedure{};
    std::vector<UserWaypoint> userWaypoints{};  // of a landing airport
    std::optional<std::string> ilsLine{};       // of a landing airport: "[ILS]" and the ILS record line

    bool operator==(const AirportSection&) const = default;
};

enum class VorRole { Vor1, Vor2 };
enum class VorDirection { To, From };

struct NavaidSection {
    std::string navaidLine{};
    int radial = 0;                 // whole degrees; an NDB's is 0
    std::optional<VorRole> role{};  // a VOR's only
    std::optional<VorDirection> direction{};

    bool operator==(const NavaidSection&) const = default;
};

// A section without tagged lines: the key line alone (a point of no known kind), a DME
// point ("[DME]" and its navaid line, which is no record line of the section: the
// generators pass it over), or a record line that is neither an airport's nor a navaid's.
struct OtherSection {
    std::optional<std::string> recordLine{};
    std::string dmeLine{};

    bool operator==(const OtherSection&) const = default;
};

using RouteSection = std::variant<AirportSection, NavaidSection, OtherSection>;

struct RouteFile {
    std::vector<Holding> holdings{};
    std::optional<CorrectedStart> correctedStart{};
    std::vector<RouteSection> sections{};  // in route order, numbered from kFirstSectionNumber

    bool operator==(const RouteFile&) const = default;
};

// The record line of a section; empty when it has none.
const std::string& RecordLineOf(const RouteSection& section);

// The file's lines, without line ends.
std::vector<std::string> WriteRouteFile(const RouteFile& file);

// Reads the route part of lines, which may be a route file or a whole definition.
// The sections start at the line "NAVAIDINFO_300:" and go on, in file order, while
// each next section line carries the next number; other lines between sections are
// passed over. A section's kind is that of its record line (the line after its key
// line); its tagged lines end at "[ENDSECTION]" or at the next section line. Holding
// lines and the corrected start are read from the lines before the first section
// (the first key line of each counts); the corrected start only when both values
// are there.
RouteFile ReadRouteFile(std::span<const std::string> lines);

}  // namespace adf
