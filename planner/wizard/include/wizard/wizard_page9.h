// The wizard's ninth page, "Briefing": which parts the adventure's briefing file shows
// (title, plane, description, briefing, estimated time, key commands), its free texts,
// and the flight time estimated from the route and the plane's cruise speed.
#pragma once

#include <string>

#include "adf/wizard_values.h"
#include "map/route.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
QT_END_NAMESPACE

namespace trevalo {

class CWizardPage9 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kGiveTitle = 1002,
        kGiveEstimatedTime = 1027,
        kGivePlaneName = 1046,
        kHelp = 1050,
        kGiveKeyDescriptions = 1099,
        kGiveDescription = 1107,
        kGiveBriefing = 1111,
        kDescriptionText = 1222,
        kBriefingText = 1223,
        kComputedEstimate = 1224,
        kUserEstimate = 1225,
    };

    // The title, plane, key list and cruise speed come from the other pages' values.
    CWizardPage9(adf::WizardValues& values, const Route& route);

    // The estimate computed again and the edits enabled by their switches; also after
    // File > New and a definition read.
    void Refresh();
    void ShowValues();
    // Writes the briefing file at the path; false, after saying so, when it could not be
    // written.
    bool WriteBriefingFile(const std::string& path);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void ComputeEstimate();
    void ApplySwitches();

    adf::WizardValues& values_;
    const Route& route_;
    QCheckBox* giveEstimatedTime_;
    QCheckBox* giveDescription_;
    QCheckBox* giveBriefing_;
    QLineEdit* userEstimate_;
    QPlainTextEdit* description_;
    QPlainTextEdit* briefing_;
};

}  // namespace trevalo
