#include "route.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>

#include "platform/numbers.h"
#include "scenrix/fileval.h"
#include "text_format.h"

namespace textorin {
namespace {

constexpr int kFirstRouteEntry = 300;
constexpr std::string_view kSectionPrefix = "NAVAIDINFO_";
constexpr std::string_view kEndSection = "[ENDSECTION]";
constexpr std::string_view kRunwayBegin = "[BEG]";
constexpr std::string_view kRunwayEnd = "[END]";
constexpr std::string_view kIlsTag = "[ILS]";
constexpr size_t kIlsLineWidth = 92;
constexpr std::string_view kSidStarTag = "[SIDSTAR]";
constexpr std::string_view kSidStarExtraTag = "[SIDSTAR_EXTRA]";
constexpr std::string_view kSidIdTag = "[SID_ID]";
constexpr std::string_view kStarIdTag = "[STAR_ID]";
constexpr std::string_view kSidNameTag = "[SID_NM]";
constexpr std::string_view kStarNameTag = "[STAR_NM]";
constexpr std::string_view kRadialTag = "[RADIAL_N]:";
constexpr size_t kRadialColumn = 12;
constexpr size_t kRadialWidth = 3;

// The number of a route section key line "NAVAIDINFO_%d:", or -1.
int SectionNumber(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (!line.starts_with(kSectionPrefix) || !line.ends_with(':')) return -1;
    std::string_view digits = line.substr(kSectionPrefix.size(), line.size() - kSectionPrefix.size() - 1);
    int number = -1;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return -1;
    return number;
}

// Lines of a section body: from the line after its record line up to "[ENDSECTION]"
// or the next section, whichever comes first.
template <typename Visit>
void ForEachSectionLine(const adf::Definition& adf, const RouteEntry& entry, Visit visit) {
    const auto& lines = adf.Lines();
    for (size_t i = entry.keyLine + 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find(kEndSection) != std::string::npos || SectionNumber(line) >= 0) return;
        visit(i, line);
    }
}

ProcedurePoint ParseProcedurePoint(const std::string& legText) {
    fileval leg;
    leg.FillFileval(legText.c_str());
    return {leg.latitude, leg.longitude, platform::SaturatingInt(leg.maxAltitude), platform::SaturatingInt(leg.minAltitude)};
}

ExtraPoint ParseExtraPoint(std::string_view text) {
    size_t colon = text.find(':');
    ExtraPoint point;
    point.latitude = platform::LeadingDouble(text.substr(0, colon));
    if (colon != std::string_view::npos) point.longitude = platform::LeadingDouble(text.substr(colon + 1));
    return point;
}

}  // namespace

Route::Route(const adf::Definition& adf) {
    ReadEntries(adf);
    for (size_t a : airports_) sections_.push_back(ReadAirportSection(adf, entries_[a]));
    for (size_t n : navaids_) legs_.push_back(ReadLegSection(adf, entries_[n]));
    CountAllLegs();
}

// Every route entry from "_300" on, each found by its own section key line, until the
// first number whose record line is missing or empty.
void Route::ReadEntries(const adf::Definition& adf) {
    std::map<int, size_t> keyLines;
    const auto& lines = adf.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        int number = SectionNumber(lines[i]);
        if (number >= kFirstRouteEntry) keyLines.emplace(number, i);
    }
    for (int n = kFirstRouteEntry;; ++n) {
        auto key = keyLines.find(n);
        if (key == keyLines.end()) break;
        const std::string& line = adf.Line(key->second + 1);
        if (line.empty()) break;
        RouteEntry entry{n, key->second, line, KindOfLine(line)};
        if (entry.kind == LineKind::Airport) airports_.push_back(entries_.size());
        if (entry.kind == LineKind::Navaid) navaids_.push_back(entries_.size());
        entries_.push_back(std::move(entry));
    }
}

AirportSection Route::ReadAirportSection(const adf::Definition& adf, const RouteEntry& entry) const {
    AirportSection section;
    bool ilsFollows = false;
    ForEachSectionLine(adf, entry, [&](size_t, const std::string& line) {
        if (ilsFollows) {
            section.ilsLine = line.substr(0, kIlsLineWidth);
            ilsFollows = false;
        } else if (line.starts_with(kRunwayBegin) || line.starts_with(kRunwayEnd)) {
            section.runwayBegin = line.starts_with(kRunwayBegin);
            section.runwayHeading = platform::LeadingDouble(std::string_view(line).substr(kRunwayBegin.size()));
        } else if (line.starts_with(kIlsTag)) {
            ilsFollows = true;
        } else if (line.starts_with(kSidStarExtraTag)) {
            section.extraPoints.push_back(ParseExtraPoint(std::string_view(line).substr(kSidStarExtraTag.size())));
        } else if (line.starts_with(kSidStarTag)) {
            if (section.points.size() < kMaxProcedurePoints)
                section.points.push_back(ParseProcedurePoint(line.substr(kSidStarTag.size())));
        } else if (line.starts_with(kSidIdTag)) {
            section.procedureId = line.substr(kSidIdTag.size());
        } else if (line.starts_with(kStarIdTag)) {
            section.isStar = true;
            section.procedureId = line.substr(kStarIdTag.size());
        } else if (line.starts_with(kSidNameTag)) {
            section.procedureName = line.substr(kSidNameTag.size());
        } else if (line.starts_with(kStarNameTag)) {
            section.procedureName = line.substr(kStarNameTag.size());
        }
    });
    return section;
}

RouteLegInfo Route::ReadLegSection(const adf::Definition& adf, const RouteEntry& entry) const {
    RouteLegInfo leg;
    leg.navaidLine = entry.line;
    leg.entryNumber = entry.number;
    leg.type = ReadNavaidFields(entry.line).type;
    ForEachSectionLine(adf, entry, [&](size_t, const std::string& line) {
        if (line.find("[LPARAM]VOR1") != std::string::npos) leg.vor1 = true;
        else if (line.find("[LPARAM]VOR2") != std::string::npos) leg.vor1 = false;
        else if (line.find("[LPARAM]TO") != std::string::npos) leg.to = true;
        else if (line.find("[LPARAM]FROM") != std::string::npos) leg.to = false;
        else if (line.find(kRadialTag) != std::string::npos && line.size() > kRadialColumn)
            leg.radial = platform::LeadingDouble(std::string_view(line).substr(kRadialColumn, kRadialWidth));
    });
    return leg;
}

const std::string& Route::AirportLine(size_t number) const { return entries_[airports_.at(number - 1)].line; }
const AirportSection& Route::Section(size_t airportNumber) const { return sections_.at(airportNumber - 1); }
const RouteLegInfo& Route::Leg(size_t navaidNumber) const { return legs_.at(navaidNumber - 1); }

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
        if (leg.type == "NDB") ++counts.ndb;
        else if (leg.vor1) ++counts.vor1;
        else ++counts.vor2;
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
