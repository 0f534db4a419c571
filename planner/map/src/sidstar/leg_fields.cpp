#include "map/sidstar_leg_fields.h"

#include <cmath>

#include "map/angle_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr int kHundredths = 2;  // numbers show as "%0.2f"
constexpr const char* kNavaidCode = "N";
constexpr const char* kNavaidWord = "Navaids";
constexpr const char* kInitialClimbCode = "I";
constexpr const char* kInitialClimbWord = "Initial climb";
constexpr const char* kLegCodes[] = {"R", kNavaidCode, kInitialClimbCode, "C"};
constexpr const char* kZero = "0";
constexpr double kLargestWhole = 2147483647.0;  // whole values print as int

std::string Number(double value) { return platform::FixedText(value, kHundredths); }

std::string PositionText(const ProcedureLeg& leg, double value) {
    return HasPosition(leg) ? platform::FixedText(value) : std::string();
}

std::string PositiveOrEmpty(double value) { return value > 0.0 ? Number(value) : std::string(); }

}  // namespace

double FieldNumber(const std::string& text) {
    const double value = platform::LeadingDouble(text);
    return std::isfinite(value) ? value : 0.0;
}

bool HasPosition(const ProcedureLeg& leg) { return leg.latitude != 0.0 || leg.longitude != 0.0; }

LegFieldTexts LegFieldsOf(const ProcedureLeg& leg) {
    auto row = LegRowTexts(leg);
    return {std::move(row[0]),        std::move(row[1]),      std::move(row[2]), std::move(row[3]), std::move(row[4]),
            std::move(row[5]),        std::move(row[6]),      std::move(row[7]), std::move(row[8]), leg.headingIdent,
            Number(leg.nextDistance), Number(leg.nextRadial), leg.nextIdent,     leg.nextText};
}

LegFieldTexts ClearedLegFields() {
    LegFieldTexts fields;
    fields.minSpeed = fields.maxSpeed = fields.minAltitude = fields.maxAltitude = kZero;
    fields.nextDistance = fields.nextRadial = kZero;
    return fields;
}

ProcedureLeg StoredLeg(ProcedureLeg slot, const LegFieldTexts& fields) {
    slot.code = fields.code;
    slot.word = fields.word;
    slot.latitude = FieldNumber(fields.latitude);
    slot.longitude = FieldNumber(fields.longitude);
    slot.minSpeed = FieldNumber(fields.minSpeed);
    slot.maxSpeed = FieldNumber(fields.maxSpeed);
    slot.minAltitude = FieldNumber(fields.minAltitude);
    slot.maxAltitude = FieldNumber(fields.maxAltitude);
    slot.heading = FieldNumber(fields.heading);
    slot.headingIdent = fields.headingIdent;
    slot.nextDistance = FieldNumber(fields.nextDistance);
    slot.nextRadial = FieldNumber(fields.nextRadial);
    slot.nextIdent = fields.nextIdent;
    slot.nextText = fields.nextText;
    return WithinLimits(std::move(slot));
}

std::array<std::string, kLegColumns> LegRowTexts(const ProcedureLeg& leg) {
    return {leg.code,
            leg.word,
            PositionText(leg, leg.latitude),
            PositionText(leg, leg.longitude),
            Number(leg.minSpeed),
            Number(leg.maxSpeed),
            Number(leg.minAltitude),
            Number(leg.maxAltitude),
            Number(leg.heading)};
}

ProcedureLeg NewLegAfter(const std::vector<ProcedureLeg>& legs) {
    ProcedureLeg leg;
    leg.code = kNavaidCode;
    leg.word = kNavaidWord;
    if (!legs.empty()) {
        const ProcedureLeg& last = legs.back();
        leg.minSpeed = last.minSpeed;
        leg.maxSpeed = last.maxSpeed;
        leg.minAltitude = last.minAltitude;
        leg.maxAltitude = last.maxAltitude;
    }
    return leg;
}

bool IsLegCode(const std::string& code) {
    if (code.empty()) return true;
    for (const char* known : kLegCodes) {
        if (code == known) return true;
    }
    return false;
}

std::optional<std::string> WordOfLegCode(const std::string& code) {
    if (code == kInitialClimbCode) return kInitialClimbWord;
    if (code == kNavaidCode) return kNavaidWord;
    return std::nullopt;
}

std::string WholeOrHundredthsText(const std::string& text) {
    const double value = FieldNumber(text);
    if (value != std::trunc(value) || std::fabs(value) > kLargestWhole) return Number(value);
    return platform::IntText(platform::SaturatingInt(value));
}

std::string PositionFieldText(const std::string& text) {
    const double value = ParseColonAngle(text);
    return platform::FixedText(std::isfinite(value) ? value : 0.0);
}

LimitTexts AfterMinimumLeft(const LimitTexts& texts) {
    const double minimum = FieldNumber(texts.minimum);
    double maximum = FieldNumber(texts.maximum);
    if (!platform::Trimmed(texts.minimum).empty() && maximum < minimum) maximum = minimum;
    return {PositiveOrEmpty(minimum), PositiveOrEmpty(maximum)};
}

LimitTexts AfterMaximumLeft(const LimitTexts& texts) {
    double minimum = FieldNumber(texts.minimum);
    const double maximum = FieldNumber(texts.maximum);
    if (!platform::Trimmed(texts.maximum).empty() && minimum > maximum) minimum = maximum;
    return {PositiveOrEmpty(minimum), PositiveOrEmpty(maximum)};
}

}  // namespace trevalo
