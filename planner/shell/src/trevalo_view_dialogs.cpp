// The map view's dialogs: the pick list and the radial dialog of route editing, "Find on
// Map", "Holding Airports" and "Edit SID/STAR", all run modally over the view; and Create
// adventure.
#include "mapdialogs/edit_sid_star_dlg.h"
#include "mapdialogs/find_on_map_dlg.h"
#include "mapdialogs/holding_airports_dlg.h"
#include "mapdialogs/qt_route_dialogs.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/feedback.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "shell/trevalo_view.h"
#include "wizard/wizard_bar.h"

namespace trevalo {

void CTrevaloView::CreateDialogs() {
    routeDialogs_ = std::make_unique<QtRouteDialogs>(this);
    SetRouteDialogs(routeDialogs_.get());
    findOnMap_ = new CFindOnMapDlg(this);
    holdingAirports_ = new CHoldingAirportsDlg(this);
    sidStarStore_ = std::make_unique<SidStarStore>(database_.baseDirectory());
    editSidStar_ = new CEditSidStarDlg(*sidStarStore_, this);
    SetFindDialog([this](const NavDatabase& database) { return RunFindOnMap(database); });
}

std::string CTrevaloView::RunFindOnMap(const NavDatabase& database) {
    findOnMap_->SetLists(&database.navaidLines, &database.airportLines);
    findOnMap_->exec();
    return findOnMap_->ChosenKey();
}

void CTrevaloView::ShowHoldingAirports() {
    holdingAirports_->SetRoute(&route_.Points(), &database_.navaidLines);
    holdingAirports_->exec();
}

void CTrevaloView::OnCreateSidStar() {
    editSidStar_->SetDatabase(&database_);
    editSidStar_->exec();
    // Whatever the button: the landing page offers the procedure shown to its airport.
    auto* frame = dynamic_cast<CMainFrame*>(frame_);
    if (CWizardSheet* wizard = frame != nullptr ? frame->WizardBar().WizardSheet() : nullptr)
        wizard->LandingPage().OfferProcedure(editSidStar_->ShownProcedure());
}

void CTrevaloView::OnCreateAdventure() { route_.OnCreateAdventure(); }

void CTrevaloView::ReopenLastBuild() {
    const Settings settings;
    const std::string lastBuild = settings.ReadString(SettingId::LastBuild);
    auto* frame = dynamic_cast<CMainFrame*>(frame_);
    if (lastBuild.empty() || frame == nullptr) return;
    route_.RemoveAllRoutePoints();
    if (frame->LoadAdventure(lastBuild)) return;
    platform::MessageBox(platform::Format(kLastBuildMissingMessage, lastBuild.c_str()), {},
                         platform::MbIcon::Information);
    settings.WriteString(SettingId::LastBuild, "");
}

// The wizard's driver, under the wait cursor, the plane held where it was drawn.
void CTrevaloView::RunGeneration() {
    auto* frame = dynamic_cast<CMainFrame*>(frame_);
    if (frame == nullptr) return;
    const qtplatform::WaitCursor wait;
    generating_ = true;
    frame->CreateAdventure();
    generating_ = false;
    viewport()->update();
}

}  // namespace trevalo
