#include "gathrel/navaid_edit.h"

#include <cmath>

#include "gathrel/position_text.h"
#include "navdata/record_lines.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr double kChannelsPerMegahertz = 20.0;  // 0.05 MHz apart

struct Range {
    double low, high;
    const char* message;
};

constexpr Range kBeaconRange{200.0, 1699.9, "Values out of range for ADF\n(Range between 200- 1699.90)"};
constexpr Range kNavRange{108.0, 117.95, "Values out of range for NAV\n(Range between 108.00- 117.95)"};
constexpr Range kIlsRange{108.1, 111.95, "Values out of range for ILS\\LOC\n(Range between 108.10- 111.95)"};

bool IsBeacon(NavaidKind kind) { return kind == NavaidKind::Adf || kind == NavaidKind::Ndb; }

FrequencyCheck Check(const Range& range, double rounded) {
    // A hair of slack: the rounded value of 117.95 may land a bit past it.
    if (rounded < range.low - 1e-9 || rounded > range.high + 1e-9) return {range.low, range.message};
    return {rounded, {}};
}

double ToChannel(double megahertz) { return std::round(megahertz * kChannelsPerMegahertz) / kChannelsPerMegahertz; }

}  // namespace

const char* TypeWordOf(NavaidKind kind) {
    switch (kind) {
        case NavaidKind::Dme:
            return "DME";
        case NavaidKind::Vor:
            return "VOR";
        case NavaidKind::Adf:
        case NavaidKind::Ndb:
            break;
    }
    return "NDB";
}

std::optional<NavaidKind> KindOfTypeWord(std::string_view word) {
    const std::string type = platform::UpperCased(platform::Trimmed(word));
    if (type == "DME") return NavaidKind::Dme;
    if (type == "VOR") return NavaidKind::Vor;
    if (type == "NDB") return NavaidKind::Ndb;
    if (type == "ADF") return NavaidKind::Adf;
    return std::nullopt;
}

FrequencyCheck CheckNavaidFrequency(NavaidKind kind, double value) {
    if (IsBeacon(kind)) return Check(kBeaconRange, std::round(value * 10.0) / 10.0);
    return Check(kNavRange, ToChannel(value));
}

FrequencyCheck CheckIlsFrequency(double megahertz) { return Check(kIlsRange, ToChannel(megahertz)); }

std::string FrequencyText(NavaidKind kind, double value) {
    return platform::Format(IsBeacon(kind) ? "%.1f" : "%.2f", value);
}

std::string ComposeEditedNavaidLine(const EditedNavaid& navaid) {
    navdata::NavaidLineValues values;
    values.country = navaid.country;
    values.type = TypeWordOf(navaid.kind);
    values.ident = navaid.ident;
    values.frequency = navaid.frequency;
    values.latitude = PositionAngleText(navaid.latitude, Axis::Latitude);
    values.longitude = PositionAngleText(navaid.longitude, Axis::Longitude);
    values.elevationFeet = navaid.elevationFeet;
    values.name = navaid.name;
    return navdata::ComposeNavaidLine(values) + '\n';
}

}  // namespace gathrel
