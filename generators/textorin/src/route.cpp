#include "route.h"

#include <algorithm>

#include "platform/numbers.h"
#include "scenrix/fileval.h"

namespace textorin {
namespace {

constexpr size_t kIlsLineWidth = 92;

ProcedurePoint ParseProcedurePoint(const std::string& legText) {
    fileval leg;
    leg.FillFileval(legText.c_str());
    return {leg.latitude, leg.longitude, platform::SaturatingInt(leg.maxAltitude),
            platform::SaturatingInt(leg.minAltitude)};
}

AirportSection AirportValues(const adf::AirportSection& read) {
    AirportSection section;
    section.runwayHeading = read.runwayHeading;
    section.runwayBegin = !read.runwayEnd;
    if (read.ilsLine) section.ilsLine = read.ilsLine->substr(0, kIlsLineWidth);
    if (read.procedure) {
        const size_t count = std::min(read.procedure->legs.size(), Route::kMaxProcedurePoints);
        for (size_t i = 0; i < count; ++i) section.points.push_back(ParseProcedurePoint(read.procedure->legs[i]));
        section.isStar = read.procedure->kind == adf::ProcedureKind::Star;
        section.procedureId = read.procedure->ident;
        section.procedureName = read.procedure->name;
    }
    for (const adf::UserWaypoint& point : read.userWaypoints)
        section.extraPoints.push_back({point.latitude, point.longitude});
    return section;
}

RouteLegInfo LegValues(const adf::NavaidSection& read, int entryNumber) {
    RouteLegInfo leg;
    leg.navaidLine = read.navaidLine;
    leg.entryNumber = entryNumber;
    leg.type = ReadNavaidFields(read.navaidLine).type;
    leg.vor1 = read.role != adf::VorRole::Vor2;
    leg.to = read.direction != adf::VorDirection::From;
    leg.radial = read.radial;
    return leg;
}

}  // namespace

Route::Route(const adf::Definition& adf) : file_(adf::ReadRouteFile(adf.Lines())) {
    ReadEntries();
    CountAllLegs();
}

// Every route entry until the first whose record line is empty. A section without a
// record line (a DME point) is an entry of no kind.
void Route::ReadEntries() {
    for (size_t i = 0; i < file_.sections.size(); ++i) {
        const adf::RouteSection& section = file_.sections[i];
        RouteEntry entry{adf::kFirstSectionNumber + static_cast<int>(i), adf::RecordLineOf(section), LineKind::Other};
        if (const auto* airport = std::get_if<adf::AirportSection>(&section)) {
            entry.kind = LineKind::Airport;
            airports_.push_back(entries_.size());
            sections_.push_back(AirportValues(*airport));
        } else if (const auto* navaid = std::get_if<adf::NavaidSection>(&section)) {
            entry.kind = LineKind::Navaid;
            navaids_.push_back(entries_.size());
            legs_.push_back(LegValues(*navaid, entry.number));
        } else {
            const auto& other = std::get<adf::OtherSection>(section);
            if (other.recordLine && other.recordLine->empty()) break;
            if (KindOfLine(entry.line) == LineKind::Ils) entry.kind = LineKind::Ils;
        }
        entries_.push_back(std::move(entry));
    }
}

const std::string& Route::AirportLine(size_t number) const { return entries_[airports_.at(number - 1)].line; }
const AirportSection& Route::Section(size_t airportNumber) const { return sections_.at(airportNumber - 1); }
const RouteLegInfo& Route::Leg(size_t navaidNumber) const { return legs_.at(navaidNumber - 1); }

const adf::Holding* Route::HoldingOf(size_t landing) const {
    for (const adf::Holding& holding : file_.holdings)
        if (holding.number >= 0 && static_cast<size_t>(holding.number) == landing) return &holding;
    return nullptr;
}

// Every navaid met while exactly a airports have been seen belongs to the leg after
// airport a: NDBs to the NDB handler, the others to VOR 1 or VOR 2 by their role.
void Route::CountAllLegs() {
    legCounts_.assign(airports_.size() + 1, NavaidCounts{});
    size_t airportsSeen = 0;
    size_t navaid = 0;
    for (const RouteEntry& entry : entries_) {
        if (entry.kind == LineKind::Airport) ++airportsSeen;
        if (entry.kind != LineKind::Navaid) continue;
        const RouteLegInfo& leg = legs_[navaid++];
        NavaidCounts& counts = legCounts_[airportsSeen];
        if (leg.type == "NDB")
            ++counts.ndb;
        else if (leg.vor1)
            ++counts.vor1;
        else
            ++counts.vor2;
    }
}

NavaidCounts Route::CountLegNavaids(size_t airportNumber) const {
    return airportNumber < legCounts_.size() ? legCounts_[airportNumber] : NavaidCounts{};
}

size_t Route::MaxProcedurePoints() const {
    size_t most = 0;
    for (const auto& s : sections_) most = std::max(most, s.points.size());
    return most;
}

size_t Route::MaxStarPoints() const {
    size_t most = 0;
    for (const auto& s : sections_) most = std::max(most, s.points.size() + s.extraPoints.size());
    return most;
}

}  // namespace textorin
