// The adventure wizard: a property sheet of ten pages that lives in the wizard bar. It
// holds the wizard's values (adf::WizardValues), which its pages show and edit by
// reference; it runs Create adventure (generation/generation_driver.h), opens a
// definition into the values and the route, and sets every page back to its defaults.
#pragma once

#include <functional>
#include <string>

#include "adf/wizard_values.h"
#include "generation/generation_driver.h"
#include "landing/landing_slots.h"
#include "map/nav_database.h"
#include "map/route.h"
#include "qtplatform/property_sheet.h"
#include "wizard/wizard_page1.h"
#include "wizard/wizard_page10.h"
#include "wizard/wizard_page2.h"
#include "wizard/wizard_page3.h"
#include "wizard/wizard_page4.h"
#include "wizard/wizard_page5.h"
#include "wizard/wizard_page6.h"
#include "wizard/wizard_page7.h"
#include "wizard/wizard_page8.h"
#include "wizard/wizard_page9.h"

namespace trevalo {

inline constexpr int kWizardPageCount = 10;

class CWizardSheet : public qtplatform::PropertySheet {
public:
    // The compile step (the main frame's): true when the compiled adventure is beside
    // the source.
    using CompileFunction = std::function<bool(const std::string& sourcePath)>;

    // The document's data; the sheet is the route's flight-plan page while it lives.
    CWizardSheet(const NavDatabase& database, Route& route, CompileFunction compile);
    ~CWizardSheet() override;

    // Inside the wizard bar: a child without buttons, tabs in one scrolling row.
    void Create(QWidget* parent);
    // Makes the window of every page that has none (page 10 first); the caller puts back
    // the page that was active.
    void CreatePageWindows();

    // Create adventure (F7), after the map view has written the route file.
    void CreateAdventure();
    // File > Open 'Adf' and the start-up reopening: the definition into the values and
    // the route; false (nothing changed) when it cannot be read.
    bool LoadAdventure(const std::string& adfPath);
    // File > New: every page back to its defaults.
    void ResetPages();
    // The values changed from outside: every page with a window shows them again.
    void ShowValues();

    adf::WizardValues& Values() { return values_; }
    const adf::WizardValues& Values() const { return values_; }
    CWizardPage3& FlightPlanPage() { return page3_; }
    CWizardPage5& LandingPage() { return page5_; }
    CWizardPage6& EmergencyPage() { return page6_; }
    CWizardPage10& RealTimePage() { return page10_; }
    const std::string& BaseDirectory() const { return baseDirectory_; }

protected:
    // Every page's window, page 1 active; the default files looked for.
    bool OnInitDialog() override;

private:
    // Every page with a window: its controls into the values (false when one refused,
    // its page made active).
    bool TakePageValues();
    // Runs with every page's window made, the active page kept.
    void WithPageWindows(const std::function<void()>& action);

    Route& route_;
    const NavDatabase& database_;
    CompileFunction compile_;
    std::string baseDirectory_;
    // Before the pages, which hold references to it.
    adf::WizardValues values_;
    LandingSlotProcedures landing_{values_.landing};
    AdventureGenerator generator_;

    CWizardPage1 page1_;
    CWizardPage2 page2_;
    CWizardPage3 page3_;
    CWizardPage4 page4_;
    CWizardPage5 page5_;
    CWizardPage6 page6_;
    CWizardPage7 page7_;
    CWizardPage8 page8_;
    CWizardPage9 page9_;
    CWizardPage10 page10_;
};

}  // namespace trevalo
