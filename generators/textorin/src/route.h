// The route part of a definition, read once per run: the route entries from
// "NAVAIDINFO_300:" on, the section values of each airport, the leg record of each
// navaid, the holding places and the corrected start.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "adf/definition.h"
#include "adf/route_file.h"
#include "record_fields.h"

namespace textorin {

struct RouteEntry {
    int number = 0;    // 300 and onward
    std::string line;  // its record line
    LineKind kind = LineKind::Other;
};

struct ProcedurePoint {
    double latitude = 0.0;
    double longitude = 0.0;
    int altitudeMax = 0;
    int altitudeMin = 0;
};

struct ExtraPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// Values of one airport's route section.
struct AirportSection {
    double runwayHeading = 0.0;
    bool runwayBegin = true;  // "[BEG]": the departure starts at the runway's beginning
    std::string ilsLine;      // empty when the section names no ILS
    std::vector<ProcedurePoint> points;
    bool isStar = false;
    std::string procedureId, procedureName;
    std::vector<ExtraPoint> extraPoints;
};

// Leg record of one navaid of the route.
struct RouteLegInfo {
    std::string navaidLine;
    std::string type;  // the navaid's type word, trimmed
    bool vor1 = true;  // "[LPARAM]VOR1"; cleared by "[LPARAM]VOR2"
    bool to = true;    // "[LPARAM]TO"; cleared by "[LPARAM]FROM"
    double radial = 0.0;
    int entryNumber = -1;
};

struct NavaidCounts {
    int vor1 = 0;
    int vor2 = 0;
    int ndb = 0;
};

class Route {
public:
    // A section's procedure points beyond these are not read; its extra approach
    // points and the route's entries and navaids are all read, however many.
    static constexpr size_t kMaxProcedurePoints = 10;

    explicit Route(const adf::Definition& adf);

    const std::vector<RouteEntry>& Entries() const { return entries_; }
    size_t AirportCount() const { return airports_.size(); }
    size_t NavaidCount() const { return navaids_.size(); }

    // Airports and navaids are numbered from 1 in route order.
    const std::string& AirportLine(size_t number) const;
    const AirportSection& Section(size_t airportNumber) const;
    const RouteLegInfo& Leg(size_t navaidNumber) const;

    // Navaids met on the leg after airport number a, by the handler they use.
    NavaidCounts CountLegNavaids(size_t airportNumber) const;
    // Largest procedure point count of any airport, and of points plus extra points.
    size_t MaxProcedurePoints() const;
    size_t MaxStarPoints() const;

    // The holding of landing airport number i (1 for the first landing), if written.
    const adf::Holding* HoldingOf(size_t landing) const;
    const std::optional<adf::CorrectedStart>& CorrectedStart() const { return file_.correctedStart; }

private:
    void ReadEntries();
    void CountAllLegs();

    adf::RouteFile file_;
    std::vector<RouteEntry> entries_;
    std::vector<size_t> airports_;  // entry index of each airport
    std::vector<size_t> navaids_;   // entry index of each navaid
    std::vector<AirportSection> sections_;
    std::vector<RouteLegInfo> legs_;
    std::vector<NavaidCounts> legCounts_;  // by the number of airports seen before
};

}  // namespace textorin
