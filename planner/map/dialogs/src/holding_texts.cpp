#include "holding_texts.h"

#include "map/route_point.h"
#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

struct FixedChoice {
    double holding;
    const char* first;
    const char* second;
};

constexpr FixedChoice kFixedChoices[] = {
    {kHolding10Nm, "10nm", "Holding point"},
    {kHoldingNotPlaced, "Not available", ""},
    {kNoHolding, "No Holding", "patern at this Airport"},
};

}  // namespace

HoldingTexts HoldingChoiceTexts(double holding, const CNavaidArray* navaids) {
    for (const FixedChoice& choice : kFixedChoices)
        if (holding == choice.holding) return {choice.first, choice.second};
    if (holding >= 1.0 && navaids != nullptr && holding < navaids->GetSize()) {
        const int index = static_cast<int>(holding);
        return {platform::Trimmed(navaids->GetNID(index)), platform::Trimmed(navaids->GetNName(index))};
    }
    return {};
}

HoldingTexts DepartureTexts() { return {"Departure", "Airport"}; }

}  // namespace trevalo::mapdialogs_detail
