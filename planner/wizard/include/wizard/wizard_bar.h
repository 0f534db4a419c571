// The wizard bar: a bar docked at the left of the main frame, laid out as its template,
// with the wizard sheet at the top and the summary sheet below it. The two share the
// bar's height: in a short bar the wizard's pages scroll above the summary, never under
// it. It forwards the main frame's commands (create, open, new) to the wizard sheet.
#pragma once

#include <memory>
#include <string>

#include "qtplatform/dialog_bar.h"
#include "wizard/summary_sheet.h"
#include "wizard/wizard_sheet.h"

QT_BEGIN_NAMESPACE
class QScrollArea;
QT_END_NAMESPACE

namespace trevalo {

class CWizardBar : public qtplatform::DialogBar {
public:
    enum Control : int { kWizardFrame = 1040, kSummaryFrame = 1043 };

    // id: the command that shows and hides the bar.
    CWizardBar(QMainWindow& frame, int id);
    ~CWizardBar() override;

    // Makes and places both sheets, once, after the main frame is shown; the wizard's
    // pages get the document's data.
    void CreateSheets(const NavDatabase& database, Route& route, CWizardSheet::CompileFunction compile);

    // The main frame's commands, for the wizard sheet; nothing before CreateSheets.
    void CreateAdventure();
    bool LoadAdventure(const std::string& adfPath);
    void ResetPages();

    // Null before CreateSheets.
    CWizardSheet* WizardSheet() const { return wizard_.get(); }
    CSummarySheet* SummarySheet() const { return summary_.get(); }
    // Where the wizard sheet scrolls; null before CreateSheets.
    QScrollArea* WizardScrollArea() const { return wizardScroll_; }

protected:
    // The sheets are placed again whenever the bar's client area changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceSheets();
    int WizardWidth() const;

    QMainWindow& frame_;
    QScrollArea* wizardScroll_ = nullptr;
    std::unique_ptr<CWizardSheet> wizard_;
    std::unique_ptr<CSummarySheet> summary_;
};

}  // namespace trevalo
