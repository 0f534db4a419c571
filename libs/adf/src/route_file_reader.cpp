#include <charconv>
#include <map>

#include "adf/route_file.h"
#include "aerodrex/line_type.h"
#include "platform/numbers.h"
#include "route_words.h"

namespace adf {
namespace {

using namespace route_words;
using Lines = std::span<const std::string>;

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The digits of text as a number, or -1 when text is not all digits.
int DigitsNumber(std::string_view digits) {
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return -1;
    return number;
}

// The number of a section line "NAVAIDINFO_%d:", or -1 for any other line.
int SectionNumber(std::string_view line) {
    line = TrimRight(line);
    if (!line.starts_with(kSectionPrefix) || !line.ends_with(kSectionSuffix)) return -1;
    line.remove_prefix(kSectionPrefix.size());
    line.remove_suffix(kSectionSuffix.size());
    return DigitsNumber(line);
}

bool IsSectionLine(std::string_view line) { return SectionNumber(line) >= 0; }

std::string_view After(std::string_view line, std::string_view tag) { return line.substr(tag.size()); }

// The tagged lines of one section, from just after its record line.
class SectionBody {
public:
    SectionBody(Lines lines, size_t start) : lines_(lines), next_(start) {}

    // The next line of the section, or nullptr at its end: "[ENDSECTION]" (taken) or
    // the next section line (left for the next section).
    const std::string* Next() {
        if (ended_ || next_ >= lines_.size() || IsSectionLine(lines_[next_])) return nullptr;
        const std::string& line = lines_[next_++];
        if (line.starts_with(kEndSection)) {
            ended_ = true;
            return nullptr;
        }
        return &line;
    }

    void SkipRest() {
        while (Next() != nullptr) {
        }
    }

    size_t End() const { return next_; }

private:
    Lines lines_;
    size_t next_;
    bool ended_ = false;
};

UserWaypoint ParseUserWaypoint(std::string_view text) {
    const size_t separator = text.find(kUserWaypointSeparator);
    UserWaypoint point;
    point.latitude = platform::LeadingDouble(text.substr(0, separator));
    if (separator != std::string_view::npos) point.longitude = platform::LeadingDouble(text.substr(separator + 1));
    return point;
}

Procedure& ProcedureOf(AirportSection& section) {
    if (!section.procedure) section.procedure.emplace();
    return *section.procedure;
}

void ReadAirportTag(AirportSection& section, std::string_view line, SectionBody& body) {
    if (line.starts_with(kRunwayBeginTag) || line.starts_with(kRunwayEndTag)) {
        section.runwayEnd = line.starts_with(kRunwayEndTag);
        section.runwayHeading = platform::LeadingDouble(After(line, kRunwayBeginTag));
    } else if (line.starts_with(kIlsTag)) {
        if (const std::string* ils = body.Next()) section.ilsLine = *ils;
    } else if (line.starts_with(kUserWaypointTag)) {
        section.userWaypoints.push_back(ParseUserWaypoint(After(line, kUserWaypointTag)));
    } else if (line.starts_with(kLegTag)) {
        ProcedureOf(section).legs.emplace_back(After(line, kLegTag));
    } else if (line.starts_with(kSidIdentTag)) {
        ProcedureOf(section).ident = After(line, kSidIdentTag);
    } else if (line.starts_with(kStarIdentTag)) {
        Procedure& procedure = ProcedureOf(section);
        procedure.kind = ProcedureKind::Star;
        procedure.ident = After(line, kStarIdentTag);
    } else if (line.starts_with(kSidNameTag)) {
        ProcedureOf(section).name = After(line, kSidNameTag);
    } else if (line.starts_with(kStarNameTag)) {
        ProcedureOf(section).name = After(line, kStarNameTag);
    }
}

void ReadNavaidTag(NavaidSection& section, std::string_view line) {
    if (line.starts_with(kRadialTag)) {
        if (line.size() > kRadialDigitsColumn)
            section.radial = platform::LeadingInt(line.substr(kRadialDigitsColumn, kRadialDigits));
    } else if (line.starts_with(kVor1Tag)) {
        section.role = VorRole::Vor1;
    } else if (line.starts_with(kVor2Tag)) {
        section.role = VorRole::Vor2;
    } else if (line.starts_with(kToTag)) {
        section.direction = VorDirection::To;
    } else if (line.starts_with(kFromTag)) {
        section.direction = VorDirection::From;
    }
}

// Reads the section whose key line is at index key; returns the index after it.
size_t ReadSection(Lines lines, size_t key, std::vector<RouteSection>& sections) {
    const size_t recordIndex = key + 1;
    if (recordIndex >= lines.size() || IsSectionLine(lines[recordIndex])) {
        sections.emplace_back(OtherSection{});
        return recordIndex;
    }
    const std::string& record = lines[recordIndex];
    if (record.starts_with(kEndSection)) {
        sections.emplace_back(OtherSection{record});
        return recordIndex + 1;
    }
    SectionBody body(lines, recordIndex + 1);
    switch (GetLineType(record.c_str())) {
        case kAirportLineType: {
            AirportSection section{.airportLine = record};
            while (const std::string* line = body.Next()) ReadAirportTag(section, *line, body);
            sections.emplace_back(std::move(section));
            break;
        }
        case kNavaidLineType: {
            NavaidSection section{.navaidLine = record};
            while (const std::string* line = body.Next()) ReadNavaidTag(section, *line);
            sections.emplace_back(std::move(section));
            break;
        }
        default:
            body.SkipRest();
            if (record.starts_with(kDmeTag))
                sections.emplace_back(OtherSection{.dmeLine = std::string(After(record, kDmeTag))});
            else
                sections.emplace_back(OtherSection{record});
            break;
    }
    return body.End();
}

std::vector<RouteSection> ReadSections(Lines lines, size_t first) {
    std::vector<RouteSection> sections;
    size_t at = first;
    for (int number = kFirstSectionNumber; at < lines.size() && SectionNumber(lines[at]) == number; ++number) {
        at = ReadSection(lines, at, sections);
        while (at < lines.size() && !IsSectionLine(lines[at])) ++at;
    }
    return sections;
}

struct HoldingKey {
    int number = -1;
    bool value = false;  // the value key ("..._LINE_NUM%02d:"), not the place key
};

// The holding key a line is, if it is one.
std::optional<HoldingKey> HoldingKeyOf(std::string_view line) {
    line = TrimRight(line);
    if (!line.starts_with(kHoldingKeyPrefix) || !line.ends_with(':')) return std::nullopt;
    line.remove_prefix(kHoldingKeyPrefix.size());
    line.remove_suffix(1);
    HoldingKey key;
    key.value = line.starts_with(kHoldingValueMark);
    if (key.value) line.remove_prefix(kHoldingValueMark.size());
    key.number = DigitsNumber(line);
    if (key.number < 0) return std::nullopt;
    return key;
}

void ReadPlace(Holding& holding, const std::string& line) {
    if (line == kNoHolding) {
        holding.place = HoldingPlace::NoHolding;
    } else if (line == kTenMiles) {
        holding.place = HoldingPlace::TenMiles;
    } else if (GetLineType(line.c_str()) == kNavaidLineType) {
        holding.place = HoldingPlace::Navaid;
        holding.navaidLine = line;
    }
}

// The holding lines and the corrected start, before the first section.
class HeaderReader {
public:
    explicit HeaderReader(Lines header) : header_(header) {}

    void Read(RouteFile& file) {
        // A key's value line is never taken for a key.
        for (size_t i = 0; i < header_.size(); ++i) {
            const std::string_view line = TrimRight(header_[i]);
            if (std::optional<HoldingKey> key = HoldingKeyOf(line))
                ReadHolding(*key, ValueAfter(i++), file);
            else if (line == kCorrectedLatitudeKey)
                ReadFirst(latitude_, ValueAfter(i++));
            else if (line == kCorrectedLongitudeKey)
                ReadFirst(longitude_, ValueAfter(i++));
        }
        if (latitude_ && longitude_ && !latitude_->empty() && !longitude_->empty())
            file.correctedStart =
                CorrectedStart{platform::LeadingDouble(*latitude_), platform::LeadingDouble(*longitude_)};
    }

private:
    struct Seen {
        size_t index = 0;  // in the file's holdings
        bool value = false, place = false;
    };

    const std::string& ValueAfter(size_t key) const {
        static const std::string kNone;
        return key + 1 < header_.size() ? header_[key + 1] : kNone;
    }

    static void ReadFirst(std::optional<std::string>& value, const std::string& line) {
        if (!value) value = line;
    }

    void ReadHolding(HoldingKey key, const std::string& valueLine, RouteFile& file) {
        auto [at, added] = seen_.try_emplace(key.number, Seen{file.holdings.size()});
        if (added) file.holdings.push_back(Holding{.number = key.number});
        Holding& holding = file.holdings[at->second.index];
        bool& seen = key.value ? at->second.value : at->second.place;
        if (seen) return;
        seen = true;
        if (!key.value)
            ReadPlace(holding, valueLine);
        else if (!valueLine.empty())
            holding.value = platform::LeadingInt(valueLine);
    }

    Lines header_;
    std::map<int, Seen> seen_;
    std::optional<std::string> latitude_, longitude_;
};

size_t FirstSection(Lines lines) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (SectionNumber(lines[i]) == kFirstSectionNumber) return i;
    return lines.size();
}

}  // namespace

const std::string& RecordLineOf(const RouteSection& section) {
    static const std::string kNone;
    if (const auto* airport = std::get_if<AirportSection>(&section)) return airport->airportLine;
    if (const auto* navaid = std::get_if<NavaidSection>(&section)) return navaid->navaidLine;
    const auto& other = std::get<OtherSection>(section);
    return other.recordLine ? *other.recordLine : kNone;
}

RouteFile ReadRouteFile(Lines lines) {
    RouteFile file;
    const size_t first = FirstSection(lines);
    HeaderReader(lines.first(first)).Read(file);
    file.sections = ReadSections(lines, first);
    return file;
}

}  // namespace adf
