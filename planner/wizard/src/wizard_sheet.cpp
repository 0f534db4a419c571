#include "wizard/wizard_sheet.h"

#include "adf/adventure_definition.h"
#include "generation/default_files.h"
#include "platform/message_box.h"
#include "qtplatform/feedback.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"
#include "speed_fields.h"
#include "wizardcore/briefing_estimate.h"
#include "wizardcore/reopen_adventure.h"

namespace trevalo {

CWizardSheet::CWizardSheet(const NavDatabase& database, Route& route, CompileFunction compile)
    : PropertySheet("CWizardSheet"),
      route_(route),
      database_(database),
      compile_(std::move(compile)),
      baseDirectory_(WithFinalBackslash(Settings().ReadString(SettingId::Directory))),
      page1_(values_.general),
      page2_(values_.keys, route, database),
      page3_(landing_),
      page4_(values_.weather, values_.plane),
      page5_(values_.landing, values_.keys, route, database),
      page6_(values_.emergency),
      page7_(values_.atc, WithFinalBackslash(baseDirectory_)),
      page8_(values_.plane, values_.general, WithFinalBackslash(baseDirectory_)),
      page9_(values_, route),
      page10_(values_.realTime, database, route) {
    for (qtplatform::PropertyPage* page : std::initializer_list<qtplatform::PropertyPage*>{
             &page1_, &page2_, &page3_, &page4_, &page5_, &page6_, &page7_, &page8_, &page9_, &page10_})
        AddPage(*page);
    route_.SetWizardPages(&page3_, &page5_);
    page1_.SetPlaneChangedHandler([this] { page8_.OnPlaneChanged(); });
    page3_.SetBaseAltitudeHandler([this](int feet) { page4_.SetBaseAltitude(feet); });
}

CWizardSheet::~CWizardSheet() { route_.SetWizardPages(nullptr, nullptr); }

void CWizardSheet::Create(QWidget* parent) { PropertySheet::Create(parent); }

void CWizardSheet::CreatePageWindows() {
    for (int index = GetPageCount() - 1; index >= 0; --index) {
        if (!GetPage(index)->HasWindow()) SetActivePage(index);
    }
}

bool CWizardSheet::OnInitDialog() {
    const bool result = PropertySheet::OnInitDialog();
    CreatePageWindows();
    SetActivePage(0);
    if (const auto missing = MissingDefaultFilesMessage(baseDirectory_))
        platform::MessageBox(*missing, {}, platform::MbIcon::Information);
    return result;
}

void CWizardSheet::WithPageWindows(const std::function<void()>& action) {
    const int active = GetActiveIndex();
    if (HasWindow()) {
        CreatePageWindows();
        if (GetActiveIndex() != active) SetActivePage(active);
    }
    action();
}

bool CWizardSheet::TakePageValues() {
    for (int index = 0; index < GetPageCount(); ++index) {
        qtplatform::PropertyPage* page = GetPage(index);
        if (page->HasWindow() && !page->UpdateData(true)) {
            // Made active again, a page would show its members over what was typed.
            if (GetActiveIndex() != index) SetActivePage(index);
            return false;
        }
    }
    return true;
}

void CWizardSheet::ShowValues() {
    for (int index = 0; index < GetPageCount(); ++index)
        if (GetPage(index)->HasWindow()) GetPage(index)->UpdateData(false);
    // What follows the values: the plane list, key captions, enabled controls, the
    // landing list, switches, sound list, Mach read-outs, the estimate.
    page1_.ShowValues();
    page2_.ShowValues();
    page4_.ShowValues();
    page5_.ShowValues();
    page6_.ShowValues();
    page7_.ShowValues();
    page8_.ShowValues();
    page9_.ShowValues();
}

void CWizardSheet::CreateAdventure() {
    WithPageWindows([this] {
        page8_.GetPlaneData();  // open plane edits are stored first
        if (!TakePageValues()) return;
        const qtplatform::WaitCursor wait;
        // The plane page's cruise-speed text: empty, so no flying time, when not set.
        const std::string cruiseSpeed = PerformanceText(values_.plane.performance.cruiseSpeed);
        // The definition gives the estimate of the route as it stands, as the briefing file does.
        values_.briefing.computedEstimate = RouteEstimate(route_.Points(), cruiseSpeed);
        GenerationRequest request{values_,
                                  page3_.Model(),
                                  baseDirectory_,
                                  route_.RouteFilePath(),
                                  compile_,
                                  [this](const std::string& adfPath) { return page4_.CreateWeatherFile(adfPath); },
                                  [this](int page) { SetActivePage(page - 1); }};
        generator_.CreateAdventure(request);
    });
}

bool CWizardSheet::LoadAdventure(const std::string& adfPath) {
    adf::Definition definition;
    if (!definition.Load(adfPath)) return false;
    const qtplatform::WaitCursor wait;
    WithPageWindows([&] {
        ReopenAdventure(definition, values_, route_);
        ShowValues();
    });
    return true;
}

void CWizardSheet::ResetPages() {
    WithPageWindows([this] {
        TakePageValues();
        adf::ResetPages(values_);
        page3_.Reset();
        ShowValues();
    });
}

}  // namespace trevalo
