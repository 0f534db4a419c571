#include "adf/route_file.h"
#include "definition_text.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "route_words.h"

namespace adf {
namespace {

using namespace route_words;
using platform::Format;

class RouteFileWriter {
public:
    std::vector<std::string> Write(const RouteFile& file) {
        for (const Holding& holding : file.holdings) WriteHolding(holding);
        if (file.correctedStart) WriteCorrectedStart(*file.correctedStart);
        for (size_t i = 0; i < file.sections.size(); ++i) {
            Add(SectionLine(kFirstSectionNumber + static_cast<int>(i)));
            std::visit([this](const auto& section) { WriteBody(section); }, file.sections[i]);
        }
        return std::move(lines_);
    }

private:
    void Add(std::string_view line) { lines_.emplace_back(line); }
    void Add(std::string_view tag, std::string_view text) { lines_.push_back(std::string(tag) + std::string(text)); }

    static std::string SectionLine(int number) {
        return std::string(kSectionPrefix) + std::to_string(number) + std::string(kSectionSuffix);
    }

    static std::string_view PlaceLine(const Holding& holding) {
        switch (holding.place) {
            case HoldingPlace::NoHolding:
                return kNoHolding;
            case HoldingPlace::TenMiles:
                return kTenMiles;
            case HoldingPlace::Navaid:
                return holding.navaidLine;
            case HoldingPlace::Unknown:
                break;
        }
        return {};
    }

    void WriteHolding(const Holding& holding) {
        Add(Format(kHoldingValueKeyFormat, holding.number));
        Add(holding.value ? platform::IntText(*holding.value) : std::string());
        Add(Format(kHoldingPlaceKeyFormat, holding.number));
        Add(PlaceLine(holding));
    }

    void WriteCorrectedStart(const CorrectedStart& start) {
        Add(kCorrectedLatitudeKey);
        Add(platform::FixedText(start.latitude));
        Add(kCorrectedLongitudeKey);
        Add(platform::FixedText(start.longitude));
    }

    // The procedure's texts are the user's: a line break in one cannot start a line.
    void WriteProcedure(const Procedure& procedure) {
        const bool star = procedure.kind == ProcedureKind::Star;
        Add(star ? kStarIdentTag : kSidIdentTag, FreeTextLine(procedure.ident));
        Add(star ? kStarNameTag : kSidNameTag, FreeTextLine(procedure.name));
        for (const std::string& leg : procedure.legs) Add(kLegTag, FreeTextLine(leg));
    }

    void WriteBody(const AirportSection& section) {
        Add(section.airportLine);
        Add(section.runwayEnd ? kRunwayEndTag : kRunwayBeginTag, platform::FixedText(section.runwayHeading));
        if (section.procedure) WriteProcedure(*section.procedure);
        for (const UserWaypoint& point : section.userWaypoints)
            Add(kUserWaypointTag,
                platform::FixedText(point.latitude) + kUserWaypointSeparator + platform::FixedText(point.longitude));
        if (section.ilsLine) {
            Add(kIlsTag);
            Add(*section.ilsLine);
        }
        Add(kEndSection);
    }

    void WriteBody(const NavaidSection& section) {
        Add(section.navaidLine);
        Add(Format(kRadialFormat, section.radial));
        if (section.role) Add(*section.role == VorRole::Vor2 ? kVor2Tag : kVor1Tag);
        if (section.direction) Add(*section.direction == VorDirection::From ? kFromTag : kToTag);
        Add(kEndSection);
    }

    void WriteBody(const OtherSection& section) {
        if (!section.dmeLine.empty())
            Add(kDmeTag, section.dmeLine);
        else if (section.recordLine)
            Add(*section.recordLine);
    }

    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> WriteRouteFile(const RouteFile& file) { return RouteFileWriter().Write(file); }

}  // namespace adf
