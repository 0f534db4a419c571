// The wizard's fifth page, "Landing": the route's airports, each with the SID (departure)
// or STAR (landing airport) chosen in "Select STAR/SID", or the default landing for all.
// It is the route's landing page: the slots follow the route's airports and give their
// procedures to the route points.
#pragma once

#include <functional>
#include <vector>

#include "adf/values/key_commands.h"
#include "adf/values/landing.h"
#include "landing/landing_slots.h"
#include "map/nav_database.h"
#include "map/route.h"
#include "map/route_ports.h"
#include "qtplatform/property_page.h"

namespace qtplatform {
class ReportList;
}

namespace trevalo {

inline constexpr const char* kLandingPageHelp =
    "Default Landing is a straigh forward landing sequence.\nSelect the STAR and SID for all the airports.\n\nThe "
    "Airports without a STAR/SID will use a default landing\n";

class CWizardPage5 : public qtplatform::PropertyPage, public LandingPage {
public:
    enum Control : int { kDefaultLanding = 1014, kHelp = 1050, kDefault = 1061, kEditItem = 1216, kAirportList = 1273 };

    // keys: the general-help page's values, whose holding switch the route file reads.
    CWizardPage5(adf::LandingValues& values, const adf::KeyCommandValues& keys, Route& route,
                 const NavDatabase& database);
    ~CWizardPage5() override;

    // The map view redraws the route's procedures after a choice.
    void SetMapRedraw(std::function<void()> redraw) { mapRedraw_ = std::move(redraw); }
    // Opens "Select STAR/SID" for the row (the selected one, or the first, when -1).
    void ChooseProcedure(int row = -1);
    // Create SID/STAR on the map, after its editor closed: the first airport whose row
    // shows the editor's procedure ident is offered the selection again, preset with the
    // editor's airport, runway, type, ident and position; only a
    // procedure chosen there replaces the airport's.
    void OfferProcedure(const SidStarRequest& shown);
    // The values changed from outside (File > New, a definition read): shown again.
    void ShowValues();

    // LandingPage.
    void ResetAirportProcedures(int firstAirport) override;
    void RefreshAirportList() override;
    void UpdateProcedures() override;
    std::vector<std::string> ProcedureLegs(int airport) const override;
    bool HoldingEnabled() const override;

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnDefault();
    // Runs "Select STAR/SID" for the row and stores what OK chose in its slot; OK on no
    // procedure clears the slot when emptyChoiceClears, else keeps it.
    void RunSelection(int row, const SidStarRequest& request, bool emptyChoiceClears);
    void ApplyEnableRule();

    adf::LandingValues& values_;
    const adf::KeyCommandValues& keys_;
    Route& route_;
    const NavDatabase& database_;
    std::vector<LandingRow> rows_;
    std::function<void()> mapRedraw_;
    qtplatform::ReportList* list_;
};

}  // namespace trevalo
