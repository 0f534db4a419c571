#include "wizard/wizard_sheet.h"

#include "platform/message_box.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"
#include "wizard/default_files.h"

namespace trevalo {

CWizardSheet::CWizardSheet(const NavDatabase& database, Route& route, CompileFunction compile)
    : PropertySheet("CWizardSheet"),
      route_(route),
      database_(database),
      compile_(std::move(compile)),
      baseDirectory_(Settings().ReadString(SettingId::Directory)),
      page3_(landing_),
      page10_(realTime_, database, route) {
    for (qtplatform::PropertyPage* page : std::initializer_list<qtplatform::PropertyPage*>{
             &page1_, &page2_, &page3_, &page4_, &page5_, &page6_, &page7_, &page8_, &page9_, &page10_})
        AddPage(*page);
    route_.SetWizardPages(&page3_, nullptr);
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
    baseDirectory_ = WithFinalBackslash(baseDirectory_);
    if (const auto missing = MissingDefaultFilesMessage(baseDirectory_))
        platform::MessageBox(*missing, {}, platform::MbIcon::Information);
    return result;
}

}  // namespace trevalo
