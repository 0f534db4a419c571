#include "adf/briefing_file.h"

#include <cstdio>

#include "adf/key_list.h"
#include "definition_text.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace adf {
namespace {

// Tested in this order by containment, so "_107D" wins over "_100"-like codes.
struct KeyCommandText {
    std::string_view code;
    std::string_view text;
};
constexpr KeyCommandText kKeyCommandTexts[] = {
    {"_107D", " to request tower to descend 200 feet.\n"},
    {"_107U", " to request tower to climb 200 feet.\n"},
    {"_100", " to request details on you position, (non IFR).\n"},
    {"_102", " to request tower to help in some situations.\n"},
    {"_108", " to request change of course.\n"},
    {"_106", " to get warnings/ idears from the co-pilote.\n"},
    {"_111", " to request push-back.\n"},
    {"_112", " to restart the adventure at any time.\n"},
    {"_113", " or ESC to end the adventure at any time.\n"},
};

std::string WithLf(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

void Part(std::string& out, std::string_view heading, std::string_view text) {
    out += heading;
    out += WithLf(text);
    out += "\n\n";
}

void KeyCommands(std::string& out, const KeyCommandValues& keys) {
    out += "KEY COMMANDS\n";
    for (const std::string& entry : keys.keyList) {
        const size_t tab = entry.find('\t');
        if (tab == std::string::npos) continue;
        const std::string_view code = std::string_view(entry).substr(0, tab);
        for (const KeyCommandText& command : kKeyCommandTexts) {
            if (code.find(command.code) == std::string_view::npos) continue;
            out += "Press " + std::string(KeyOfEntry(entry)) + std::string(command.text);
            break;
        }
    }
    out += "\n";
}

}  // namespace

std::string EstimateText(std::optional<double> distanceNm, std::string_view cruiseSpeedText) {
    const double speed = platform::LeadingDouble(cruiseSpeedText);
    if (!distanceNm || speed < 0) return kNoEstimate;
    const double minutes = (speed > 0 ? *distanceNm / speed * 60.0 : 0.0) + kGroundMinutes;
    // Whole minutes; the distance's rounding error must not cost one.
    const int whole = platform::SaturatingInt(minutes + 1e-6);
    char text[64];
    if (whole < 60)
        std::snprintf(text, sizeof text, "%d mins", whole);
    else
        std::snprintf(text, sizeof text, "%02d:%02d hr(s)", whole / 60, whole % 60);
    return text;
}

std::string ComposeBriefing(const WizardValues& values, std::string_view estimate) {
    const BriefingValues& b = values.briefing;
    std::string out;
    if (b.giveTitle) Part(out, "", values.general.title);
    if (b.givePlaneName) Part(out, "PLANE\n", values.general.plane);
    if (b.giveDescription) Part(out, "DESCRIPTION\n", b.descriptionText);
    if (b.giveBriefing) Part(out, "BRIEFING\n", b.briefingText);
    if (b.giveEstimatedTime) {
        const std::string_view user = Trim(b.userEstimate);
        Part(out, "ESTIMATED TIME TO COMPLETE\nApproximately ", !user.empty() && user != kNoEstimate ? user : estimate);
    }
    if (b.giveKeyDescriptions) KeyCommands(out, values.keys);
    return out;
}

bool WriteBriefingFile(std::string_view path, std::string_view text) {
    const std::string_view trimmed = Trim(path);
    if (trimmed.empty()) return false;
    return platform::ReplaceText(std::string(trimmed), std::string(text));
}

}  // namespace adf
