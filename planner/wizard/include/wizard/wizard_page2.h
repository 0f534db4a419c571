// The wizard's second page, "General Help": the ATC and co-pilot options, and the keys
// with which the pilot asks for the key commands (each chosen with CKeySelectDlg).
#pragma once

#include <string>

#include "adf/key_list.h"
#include "adf/values/key_commands.h"
#include "map/nav_database.h"
#include "map/route.h"
#include "qtplatform/property_page.h"

namespace trevalo {

class CWizardPage2 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kAlwaysGivePosition = 1051,
        kAtcAlwaysContact = 1052,
        kShowWhenWrong = 1054,
        kHoldingPatterns = 1056,
        kLandingEmergency = 1058,
        kWarningsAndAdvice = 1060,
        kPushBack = 1062,
        kClimb200 = 1067,
        kAtcHelp = 1068,
        kDescend200 = 1072,
        kMissedLanding = 1073,
        kCourseChange = 1075,
        kCoPilotLands = 1077,
        kRestart = 1080,
        kQuit = 1082,
        kCoPilotVSpeeds = 1084,
        kHelp = 1050,
        kDetails = 1172,
    };

    // The holding dialog works on the route's points and the database's navaids.
    CWizardPage2(adf::KeyCommandValues& values, Route& route, const NavDatabase& database);

    // The values changed from outside (File > New, a definition read): shown again, each
    // key option's caption with its key.
    void ShowValues();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void OnKeyOption(const adf::KeyOption& option, int id);
    void OnDetails();
    void OnHoldingPatterns();
    void OpenHoldingDialog();
    // The holding text from the route's placed holding choices; empty while none is placed.
    void UpdateHoldingText();
    // The key options' captions from the key list; without a key, the choosing caption
    // when forceChoosing, else the caption they have.
    void ShowKeyCaptions(bool forceChoosing);

    adf::KeyCommandValues& values_;
    Route& route_;
    const NavDatabase& database_;
};

}  // namespace trevalo
