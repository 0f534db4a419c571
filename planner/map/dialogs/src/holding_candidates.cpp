#include "holding_candidates.h"

#include "map/great_circle.h"
#include "map/unit_conversions.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

// Ident in 10 characters and name in 50, right-aligned, then the index.
constexpr const char* kCandidateFormat = "%10.10s%50.50s%d";
constexpr size_t kIndexAt = 60;
constexpr int kNoRange = -1;

bool IsHoldingType(const std::string& type) { return type != "ILS" && type != "VOR"; }

// The arithmetic counts longitudes west positive.
double DistanceNm(double x1, double y1, double x2, double y2) {
    return GreatCircleDistance(ArcSecondsToRadians(y1), ArcSecondsToRadians(-x1), ArcSecondsToRadians(y2),
                               ArcSecondsToRadians(-x2));
}

}  // namespace

std::vector<std::string> HoldingCandidateTexts(const CNavaidArray& navaids, double airportX, double airportY,
                                               int rangeNm) {
    std::vector<std::string> texts;
    for (int i = 1; i < navaids.GetSize(); ++i) {
        if (!IsHoldingType(platform::Trimmed(navaids.GetNType(i)))) continue;
        if (rangeNm != kNoRange && DistanceNm(airportX, airportY, navaids.GetNx(i), navaids.GetNy(i)) > rangeNm)
            continue;
        texts.push_back(platform::Format(kCandidateFormat, platform::Trimmed(navaids.GetNID(i)).c_str(),
                                         platform::Trimmed(navaids.GetNName(i)).c_str(), i));
    }
    return texts;
}

int CandidateIndex(const std::string& text) {
    return text.size() > kIndexAt ? platform::LeadingInt(std::string_view(text).substr(kIndexAt)) : 0;
}

}  // namespace trevalo::mapdialogs_detail
