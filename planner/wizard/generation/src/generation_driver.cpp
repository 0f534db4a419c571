#include "generation/generation_driver.h"

#include "adf/adventure_definition.h"
#include "flitmark/flitmark.h"
#include "generation/adventure_folder.h"
#include "generation/adventure_title.h"
#include "generation/definition_step.h"
#include "generation/result_text.h"
#include "platform/message_box.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

using platform::MbIcon;

// The situation files beside the definition, each tried whatever the others gave.
SituationFiles MakeSituationFiles(const GenerationRequest& request, const std::string& adfPath) {
    SituationFiles made;
    std::vector<std::string> waypoints = request.flightPlan.FltWaypointLines();
    made.flight = CreateFlt(adfPath.c_str(), &waypoints);
    if (request.flightPlan.Values().enabled) {
        made.flightPlan = request.flightPlan.WriteFlightPlan(adfPath);
        made.gps = made.flightPlan && AddGpsToFlt(adfPath);
    }
    made.weather = request.createWeatherFile && request.createWeatherFile(adfPath);
    return made;
}

bool Refused(const std::optional<std::string>& refusal, const GenerationRequest& request, int page) {
    if (!refusal) return false;
    platform::MessageBox(*refusal, {}, MbIcon::Information);
    if (request.showPage) request.showPage(page);
    return true;
}

}  // namespace

AdventureGenerator::AdventureGenerator(std::string textorin, std::string icarune)
    : createTxt_(std::move(textorin), "CreateTxt"), loadReg_(std::move(icarune), "LoadReg") {}

bool AdventureGenerator::CreateAdventure(const GenerationRequest& request) {
    const std::string& title = request.values.general.title;
    if (Refused(TitleRefusal(title), request, kGeneralPage)) return false;
    // No cruise altitude, or V-speed call-outs without V1, V2 and VR (at standstill).
    const std::optional<std::string> planeRefusal = adf::PlaneDetailsEntered(request.values)
                                                        ? std::nullopt
                                                        : std::optional<std::string>(adf::kPlaneDetailsMissingMessage);
    if (Refused(planeRefusal, request, kPlanePage)) return false;
    const AdventureFiles files(request.baseDirectory, title);
    const std::string adfPath = files.File(".adf");
    // Where the install step copies to is known before anything is touched, so that its
    // targets are checked with the folder's files.
    const std::optional<InstallPlaces> places = FindInstallPlaces(adfPath, loadReg_);
    if (!places) return false;
    std::optional<AdventureFolder> folder = MakeAdventureFolder(
        files, request.baseDirectory, InstallTargets(*places, request.baseDirectory, files.MadeNames()));
    if (!folder) return false;
    if (!WriteDefinition({request.values, request.baseDirectory, request.routeFilePath, files})) return false;

    CreateTxtFunction* createTxt = createTxt_.Get();
    if (createTxt == nullptr || !createTxt(adfPath.c_str(), nullptr, 1)) return false;
    const SituationFiles made = MakeSituationFiles(request, adfPath);

    const std::optional<std::vector<std::string>> failedInstall =
        InstallAdventure({adfPath, request.baseDirectory, request.compile}, *places);
    if (!failedInstall) return false;
    std::vector<std::string>& failedCopies = folder->failedCopies;
    failedCopies.insert(failedCopies.end(), failedInstall->begin(), failedInstall->end());
    platform::MessageBox(ResultText(title, made, failedCopies), kResultCaption, MbIcon::Information);
    Settings().WriteString(SettingId::LastBuild, adfPath);
    return true;
}

}  // namespace trevalo
