#include "wizard/wizard_page2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "mapdialogs/holding_airports_dlg.h"
#include "mapdialogs/holding_summary.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "wizard/key_select_dlg.h"

namespace trevalo {
namespace {

using Values = adf::KeyCommandValues;
using Page = CWizardPage2;

struct OptionBox {
    int id;
    const char* caption;  // the page's own, before a key is shown
    int Values::*member;
    const char* code;  // the key command's; null for an option without a key
};

constexpr OptionBox kOptionBoxes[] = {
    {Page::kAlwaysGivePosition, "Always Give Pos (Select a Key)", &Values::alwaysGivePosition, "_100"},
    {Page::kAtcAlwaysContact, "Atc always in contact.", &Values::atcAlwaysContact, nullptr},
    {Page::kAtcHelp, "ATC will help me .(Select a Key)", &Values::atcHelp, "_102"},
    {Page::kShowWhenWrong, "Show me when I'm wrong.", &Values::showWhenWrong, nullptr},
    {Page::kHoldingPatterns, "Give holding Patens.", &Values::holdingPatterns, nullptr},
    {Page::kLandingEmergency, "Alow landing emergency", &Values::landingEmergency, nullptr},
    {Page::kWarningsAndAdvice, "Give warnings\\idears.(Select a Key)", &Values::warningsAndAdvice, "_106"},
    {Page::kCourseChange, "Course change request.(Select a Key)", &Values::courseChange, "_108"},
    {Page::kMissedLanding, "Missed Landing.", &Values::missedLanding, nullptr},
    {Page::kCoPilotLands, "Co-pilot will land the plane.", &Values::coPilotLands, nullptr},
    {Page::kPushBack, "Push back request (Select a Key)", &Values::pushBack, "_111"},
    {Page::kDescend200, "Request Descend 200 feet(Select a Key)", &Values::descend200, "_107D"},
    {Page::kClimb200, "Request Climb 200 feet (Select a Key)", &Values::climb200, "_107U"},
    {Page::kRestart, "Restart Adventure (Select a Key)", &Values::restart, "_112"},
    {Page::kQuit, "Quit, (End), Adventure", &Values::quit, "_113"},
    {Page::kCoPilotVSpeeds, "Co-pilot will give V-Speeds", &Values::coPilotVSpeeds, nullptr},
};

// The caption shows CTRL and SHIFT with a blank before the letter, also for the two
// default keys stored without one.
std::string KeyCaption(const adf::KeyOption& option, std::string_view key) {
    std::string shown(key);
    for (const char* modifier : {"CTRL", "SHIFT"}) {
        const std::string bare = std::string(modifier) + "\"";
        if (shown.starts_with(bare)) shown.insert(std::string_view(modifier).size(), " ");
    }
    return adf::KeyOptionCaption(option, shown);
}

}  // namespace

CWizardPage2::CWizardPage2(adf::KeyCommandValues& values, Route& route, const NavDatabase& database)
    : PropertyPage("General Help"), values_(values), route_(route), database_(database) {
    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QGridLayout;
    int row = 0;
    for (const OptionBox& option : kOptionBoxes) {
        auto* box = qtplatform::WithId(new QCheckBox(qtplatform::ToQString(option.caption)), option.id);
        boxes->addWidget(box, row++, 0);
        if (option.code != nullptr) {
            const adf::KeyOption* keyOption = adf::FindKeyOption(option.code);
            connect(box, &QCheckBox::clicked, this, [this, keyOption, id = option.id] { OnKeyOption(*keyOption, id); });
        }
    }
    auto* details = qtplatform::WithId(new QPushButton(QStringLiteral("&Details...")), kDetails);
    boxes->addWidget(details, row, 0, Qt::AlignLeft);
    layout->addLayout(boxes);
    auto* help = qtplatform::WithId(new QLabel, kHelp);
    help->setWordWrap(true);
    help->setMinimumHeight(help->fontMetrics().lineSpacing() * 4);
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(help, 1);
    connect(details, &QPushButton::clicked, this, [this] { OnDetails(); });
    connect(qtplatform::FindControl<QCheckBox>(this, kHoldingPatterns), &QCheckBox::clicked, this,
            [this] { OnHoldingPatterns(); });
}

bool CWizardPage2::OnInitDialog() {
    ShowKeyCaptions(false);
    return PropertyPage::OnInitDialog();
}

void CWizardPage2::DoDataExchange(qtplatform::DataExchange& dx) {
    for (const OptionBox& option : kOptionBoxes) dx.Check(option.id, values_.*option.member);
    dx.Text(kHelp, values_.helpText);
}

void CWizardPage2::ShowValues() {
    UpdateHoldingText();
    if (!HasWindow()) return;
    ShowKeyCaptions(true);
    UpdateData(false);
}

void CWizardPage2::ShowKeyCaptions(bool forceChoosing) {
    for (const OptionBox& option : kOptionBoxes) {
        if (option.code == nullptr) continue;
        const adf::KeyOption& keyOption = *adf::FindKeyOption(option.code);
        auto* box = qtplatform::FindControl<QCheckBox>(this, option.id);
        const int entry = adf::FindKeyEntry(values_.keyList, option.code);
        if (entry >= 0)
            box->setText(qtplatform::ToQString(KeyCaption(keyOption, adf::KeyOfEntry(values_.keyList[entry]))));
        else if (forceChoosing)
            box->setText(qtplatform::ToQString(std::string(keyOption.choosingCaption)));
    }
}

void CWizardPage2::OnKeyOption(const adf::KeyOption& option, int id) {
    UpdateData(true);
    values_.helpText = option.helpText;
    auto* box = qtplatform::FindControl<QCheckBox>(this, id);
    box->setText(qtplatform::ToQString(std::string(option.choosingCaption)));
    int& checked = values_.*option.member;
    if (checked != 0) {
        CKeySelectDlg picker(std::string(option.code), values_.keyList, this);
        if (picker.exec() == QDialog::Accepted) {
            const std::string key(adf::KeyOfEntry(picker.Result()));
            adf::SetKeyEntry(values_.keyList, option.code, key);
            box->setText(qtplatform::ToQString(KeyCaption(option, key)));
        } else {
            checked = 0;
        }
    } else {
        adf::RemoveKeyEntry(values_.keyList, option.code);
    }
    UpdateData(false);
}

void CWizardPage2::OnDetails() {
    UpdateData(true);
    values_.holdingPatterns = 1;
    UpdateData(false);
    OpenHoldingDialog();
}

void CWizardPage2::OnHoldingPatterns() {
    UpdateData(true);
    // The route may have changed since the dialog last ran.
    UpdateHoldingText();
    if (values_.holdingPatterns != 0 && values_.holdingText.empty()) OpenHoldingDialog();
}

void CWizardPage2::OpenHoldingDialog() {
    CHoldingAirportsDlg holding(this);
    holding.SetRoute(&route_.Points(), &database_.navaidLines);
    holding.exec();
    UpdateHoldingText();
}

void CWizardPage2::UpdateHoldingText() { values_.holdingText = HoldingSummary(route_.Points(), &database_.navaidLines); }

}  // namespace trevalo
