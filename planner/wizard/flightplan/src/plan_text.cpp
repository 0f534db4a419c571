#include "flightplan/plan_text.h"

#include <cmath>
#include <cstdlib>

#include "aerodrex/airport_getters.h"
#include "aerodrex/line_type.h"
#include "map/angle_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kUserExtraIdent = "USER_EXTRA";
constexpr const char* kUserIdent = "USER";
constexpr long long kHundredthsPerMinute = 100;
constexpr long long kHundredthsPerDegree = 60 * kHundredthsPerMinute;
constexpr size_t kAirportNameSize = 51;

std::string RightTrimmed(std::string text) {
    const size_t end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

std::string FlightPlanAngleText(const std::string& angleText) {
    const std::string text = RightTrimmed(angleText);
    if (text.find('\'') == std::string::npos || text.find('.') == std::string::npos) return text;
    // The letter is taken from the text, since an angle of 0 has no sign to give it.
    const char letter = text.front();
    const long long hundredths =
        std::llround(std::fabs(ParseLatLonText(text)) * static_cast<double>(kHundredthsPerDegree));
    return platform::Format("%c%03lld* %02lld.%02lld'", letter, hundredths / kHundredthsPerDegree,
                            hundredths % kHundredthsPerDegree / kHundredthsPerMinute,
                            hundredths % kHundredthsPerMinute);
}

std::string SignedAltitudeText(int feet) {
    return platform::Format("%c%06lld.00", feet < 0 ? '-' : '+', std::llabs(static_cast<long long>(feet)));
}

std::optional<int> CruisingAltitude(const std::string& altitudeText) {
    size_t length = 0;
    const double value = platform::LeadingDouble(altitudeText, length);
    if (length == 0) return std::nullopt;
    return platform::SaturatingInt(value);
}

bool IsUserPoint(const RouteRecord& record) { return record.ident.find(kUserExtraIdent) != std::string::npos; }

std::string WaypointIdent(const RouteRecord& record) { return IsUserPoint(record) ? kUserIdent : record.ident; }

bool IsAirportRecord(const RouteRecord& record) { return GetLineType(record.recordLine) == kAirportLineType; }

std::string PointName(const RouteRecord& record) {
    if (!IsAirportRecord(record)) return record.ident;
    char name[kAirportNameSize] = {};
    GetAirportName(name, record.recordLine.c_str());
    return RightTrimmed(name);
}

}  // namespace trevalo
