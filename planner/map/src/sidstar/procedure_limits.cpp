#include <algorithm>
#include <cmath>

#include "map/sidstar_procedure.h"
#include "platform/text.h"

namespace trevalo {
namespace {

struct Range {
    double low;
    double high;
};

constexpr Range kLatitudeRange{-90.0, 90.0};
constexpr Range kLongitudeRange{-180.0, 180.0};
constexpr Range kSpeedRange{0.0, 999.0};
constexpr Range kAltitudeRange{-2000.0, 99999.0};
constexpr Range kDirectionRange{0.0, 360.0};  // headings and radials
constexpr Range kDistanceRange{0.0, 999.99};
constexpr Range kVariationRange{-180.0, 180.0};

// The ranges of a leg's numbers, one row per member.
struct NumberLimit {
    double ProcedureLeg::*member;
    Range range;
};
constexpr NumberLimit kLegNumberLimits[] = {
    {&ProcedureLeg::latitude, kLatitudeRange},
    {&ProcedureLeg::longitude, kLongitudeRange},
    {&ProcedureLeg::minSpeed, kSpeedRange},
    {&ProcedureLeg::maxSpeed, kSpeedRange},
    {&ProcedureLeg::minAltitude, kAltitudeRange},
    {&ProcedureLeg::maxAltitude, kAltitudeRange},
    {&ProcedureLeg::heading, kDirectionRange},
    {&ProcedureLeg::headingLatitude, kLatitudeRange},
    {&ProcedureLeg::headingLongitude, kLongitudeRange},
    {&ProcedureLeg::nextDistance, kDistanceRange},
    {&ProcedureLeg::nextRadial, kDirectionRange},
    {&ProcedureLeg::nextLatitude, kLatitudeRange},
    {&ProcedureLeg::nextLongitude, kLongitudeRange},
};

struct TextLimit {
    std::string ProcedureLeg::*member;
    std::size_t length;
};
constexpr TextLimit kLegTextLimits[] = {
    {&ProcedureLeg::code, 1},
    {&ProcedureLeg::word, kProcedureWordLength},
    {&ProcedureLeg::headingIdent, kProcedureIdentLength},
    {&ProcedureLeg::nextIdent, kProcedureIdentLength},
    {&ProcedureLeg::nextText, kProcedureNameLength},
};

struct HeaderTextLimit {
    std::string ProcedureHeader::*member;
    std::size_t length;
};
constexpr HeaderTextLimit kHeaderTextLimits[] = {
    {&ProcedureHeader::airportIdent, kProcedureIdentLength},   {&ProcedureHeader::airportName, kProcedureNameLength},
    {&ProcedureHeader::runway, kRunwayDesignatorLength},       {&ProcedureHeader::country, kProcedureNameLength},
    {&ProcedureHeader::author, kProcedureNameLength},          {&ProcedureHeader::type, kProcedureIdentLength},
    {&ProcedureHeader::procedureIdent, kProcedureIdentLength}, {&ProcedureHeader::procedureName, kProcedureNameLength},
};

double Clamped(double value, Range range) {
    if (!std::isfinite(value)) return 0.0;
    return std::clamp(value, range.low, range.high);
}

void Cut(std::string& text, std::size_t length) {
    if (text.size() > length) text.resize(length);
}

bool HoldsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

bool SameIdent(const std::string& a, const std::string& b) {
    return platform::UpperCased(platform::Trimmed(a)) == platform::UpperCased(platform::Trimmed(b));
}

bool SameRunway(const std::string& a, const std::string& b) { return platform::Trimmed(a) == platform::Trimmed(b); }

bool SameRecord(const ProcedureKey& a, const ProcedureKey& b) {
    return a.number == b.number && SameIdent(a.airportIdent, b.airportIdent) && SameRunway(a.runway, b.runway);
}

ProcedureLeg WithinLimits(ProcedureLeg leg) {
    for (const NumberLimit& limit : kLegNumberLimits) leg.*limit.member = Clamped(leg.*limit.member, limit.range);
    for (const TextLimit& limit : kLegTextLimits) Cut(leg.*limit.member, limit.length);
    return leg;
}

Procedure WithinLimits(Procedure procedure) {
    ProcedureHeader& header = procedure.header;
    for (const HeaderTextLimit& limit : kHeaderTextLimits) Cut(header.*limit.member, limit.length);
    header.magneticVariation = Clamped(header.magneticVariation, kVariationRange);
    if (procedure.legs.size() > static_cast<std::size_t>(kMaxProcedureLegs)) {
        procedure.legs.resize(kMaxProcedureLegs);
    }
    for (ProcedureLeg& leg : procedure.legs) leg = WithinLimits(std::move(leg));
    return procedure;
}

std::optional<std::string> FirstRefusedText(const Procedure& procedure) {
    for (const HeaderTextLimit& limit : kHeaderTextLimits) {
        const std::string& text = procedure.header.*limit.member;
        if (HoldsLineBreak(text)) return text;
    }
    for (const ProcedureLeg& leg : procedure.legs) {
        for (const TextLimit& limit : kLegTextLimits) {
            const std::string& text = leg.*limit.member;
            if (HoldsLineBreak(text) || text.find(':') != std::string::npos) return text;
        }
    }
    return std::nullopt;
}

}  // namespace trevalo
