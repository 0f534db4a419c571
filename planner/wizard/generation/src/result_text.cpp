#include "generation/result_text.h"

namespace trevalo {
namespace {

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
    return text;
}

std::string SituationText(const std::string& title, const SituationFiles& files) {
    const bool planAndGps = files.flightPlan && files.gps;
    if (files.flight && !planAndGps && !files.weather) return kNoPlanNoWeatherText;
    if (!files.flight && !planAndGps && !files.weather) return kNothingButBasicsText;
    std::vector<std::string> failed;
    if (!files.flight) failed.push_back(title + ".flt");
    if (!files.flightPlan) failed.push_back(title + ".pln");
    if (!files.gps) failed.push_back("the GPS route of " + title + ".flt");
    if (!files.weather) failed.push_back(title + ".wx");
    if (failed.empty()) return kAllCreatedText;
    return "The basic files was created as well as the main adventure file.\nbut these could not be created: " +
           Joined(failed, ", ") + ".\nPlease ensure you have proper access to all the directories.";
}

}  // namespace

std::string ResultText(const std::string& title, const SituationFiles& files,
                       const std::vector<std::string>& failedCopies) {
    std::string text = SituationText(title, files);
    if (!failedCopies.empty()) text += "\n\nThese files could not be copied:\n" + Joined(failedCopies, "\n");
    return text;
}

}  // namespace trevalo
