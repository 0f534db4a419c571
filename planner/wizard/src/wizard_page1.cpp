#include "wizard/wizard_page1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "adf/adventure_definition.h"
#include "aircraft/aircraft_list.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "wizard/focus_help.h"

namespace trevalo {
namespace {

constexpr int kRandomSide = 0;
constexpr int kWest = 1;
constexpr int kNorth = 1;
constexpr int kDefaultPerformance = 4;  // "Default": no number

// Long entries (plane titles) do not widen the bar.
QComboBox* NarrowCombo(QComboBox* combo) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    return combo;
}

template <std::size_t N>
QComboBox* ChoiceCombo(const char* const (&choices)[N], int id) {
    auto* combo = qtplatform::WithId(new QComboBox, id);
    for (const char* choice : choices) combo->addItem(QString::fromLatin1(choice));
    return NarrowCombo(combo);
}

// The description keeps its lines joined by CR LF; the edit shows them as lines.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string WithoutCr(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

}  // namespace

CWizardPage1::CWizardPage1(adf::GeneralInfoValues& values)
    : PropertyPage("General Info"),
      values_(values),
      title_(qtplatform::WithId(new QLineEdit, kTitle)),
      description_(qtplatform::WithId(new QPlainTextEdit, kDescription)),
      season_(ChoiceCombo(adf::kSeasonChoices, kSeason)),
      longitude_(ChoiceCombo(adf::kLongitudeChoices, kLongitude)),
      latitude_(ChoiceCombo(adf::kLatitudeChoices, kLatitude)),
      performance_(ChoiceCombo(adf::kPerformanceChoices, kPerformance)),
      performanceNumber_(qtplatform::WithId(new QLineEdit, kPerformanceNumber)),
      startTime_(qtplatform::WithId(new QTimeEdit, kStartTime)),
      plane_(NarrowCombo(qtplatform::WithId(new QComboBox, kPlane))) {
    startTime_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    description_->setTabChangesFocus(true);
    description_->setMaximumHeight(description_->fontMetrics().lineSpacing() * 5);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Title"), title_);
    form->addRow(QStringLiteral("Description"), description_);
    form->addRow(QStringLiteral("Season"), season_);
    form->addRow(QStringLiteral("Longitude"), longitude_);
    form->addRow(QStringLiteral("Latitude"), latitude_);
    form->addRow(QStringLiteral("Start time"), startTime_);
    layout->addLayout(form);
    auto* switches = new QGridLayout;
    struct Switch {
        const char* caption;
        int id;
        const char* help;
    };
    const Switch kSwitches[] = {{"Auto Pilot Master", kAutopilotMaster, kSwitchOffHelp},
                                {"Smoke System", kSmokeSystem, kSwitchOffHelp},
                                {"Auto Coordination", kAutoCoordination, kSwitchOnHelp},
                                {"Air Speed Indicator", kAirspeedIndicator, kSwitchOffHelp}};
    int index = 0;
    for (const Switch& item : kSwitches) {
        auto* box = qtplatform::WithId(new QCheckBox(QString::fromLatin1(item.caption)), item.id);
        switches->addWidget(box, index++, 0);
        connect(box, &QCheckBox::clicked, this, [this, help = item.help] { ShowHelp(help); });
    }
    layout->addLayout(switches);
    auto* performance = new QFormLayout;
    performance->addRow(QStringLiteral("Performance"), performance_);
    performance->addRow(QStringLiteral("Number"), performanceNumber_);
    performance->addRow(QStringLiteral("Plane"), plane_);
    layout->addLayout(performance);
    auto* help = qtplatform::WithId(new QLabel, kHelp);
    help->setWordWrap(true);
    help->setMinimumHeight(help->fontMetrics().lineSpacing() * 4);
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(help, 1);

    OnFocusIn(description_, [this] { ShowHelp(kDescriptionHelp); });
    OnFocusIn(title_, [this] { ShowHelp(kTitleHelp); });
    OnFocusIn(startTime_, [this] { ShowHelp(kStartTimeHelp); });
    connect(performance_, &QComboBox::activated, this, [this] { OnPerformanceChanged(); });
    connect(latitude_, &QComboBox::activated, this, [this] { OnLatitudeChanged(); });
    connect(longitude_, &QComboBox::activated, this, [this] { OnLongitudeChanged(); });
    connect(plane_, &QComboBox::activated, this, [this] { OnPlaneChanged(); });
}

bool CWizardPage1::OnInitDialog() {
    simulatorFolder_ = SimulatorFolder();
    FillPlaneList();
    CheckPlane();
    if (values_.plane.empty() && !planes_.empty()) values_.plane = planes_.front();
    const bool result = PropertyPage::OnInitDialog();
    ApplyPerformanceRule();
    return result;
}

void CWizardPage1::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.SingleByteText(kTitle, values_.title);  // the folder and the files are named after it
    dx.MaxChars(values_.title, adf::kMaxTitleLength);
    std::string description = WithoutCr(values_.description);
    dx.Text(kDescription, description);
    if (dx.saving()) values_.description = WithCrLf(description);
    dx.ListIndex(kSeason, values_.season);
    dx.ListIndex(kLongitude, values_.longitudeSide);
    dx.ListIndex(kLatitude, values_.latitudeSide);
    dx.Check(kAutopilotMaster, values_.autopilotMaster);
    dx.Check(kSmokeSystem, values_.smokeSystem);
    dx.Check(kAutoCoordination, values_.autoCoordination);
    dx.Check(kAirspeedIndicator, values_.airspeedIndicator);
    dx.ListIndex(kPerformance, values_.performance);
    dx.Text(kPerformanceNumber, values_.performanceNumber);
    QTimeEdit* time = nullptr;
    dx.Control(kStartTime, time);
    if (time != nullptr) {
        adf::TimeOfDay& start = values_.startTime;
        if (dx.saving())
            start = {time->time().hour(), time->time().minute(), time->time().second()};
        else
            time->setTime(QTime(start.hour, start.minute, start.second));
    }
    int plane = adf::FindPlaneEntry(planes_, values_.plane);
    dx.ListIndex(kPlane, plane);
    if (dx.saving()) values_.plane = plane >= 0 ? planes_[static_cast<std::size_t>(plane)] : std::string();
    dx.Text(kHelp, values_.helpText);
}

void CWizardPage1::FillPlaneList() {
    plane_->clear();
    planes_ = InstalledPlanes(simulatorFolder_);
    for (const std::string& title : planes_) plane_->addItem(qtplatform::ToQString(title));
}

// A plane that the list lacks leaves it without a selection, which the definition
// writes as the default plane.
void CWizardPage1::CheckPlane() {
    if (values_.plane.empty() || adf::FindPlaneEntry(planes_, values_.plane) >= 0) return;
    platform::MessageBox(adf::kPlaneNotFoundMessage, {}, platform::MbIcon::Information);
    values_.plane.clear();
}

void CWizardPage1::ShowValues() {
    if (!HasWindow()) return;
    CheckPlane();
    UpdateData(false);
    ApplyPerformanceRule();
}

void CWizardPage1::ShowHelp(const char* text) {
    UpdateData(true);
    values_.helpText = text;
    if (auto* help = qtplatform::FindControl<QLabel>(this, kHelp)) help->setText(QString::fromLatin1(text));
}

void CWizardPage1::ApplyPerformanceRule() {
    performanceNumber_->setEnabled(performance_->currentIndex() != kDefaultPerformance);
}

void CWizardPage1::OnPerformanceChanged() {
    ShowHelp(kPerformanceHelp);
    ApplyPerformanceRule();
}

// Both sides are random together: a random latitude makes the longitude random, and a
// chosen latitude gives a random longitude its default, west.
void CWizardPage1::OnLatitudeChanged() {
    UpdateData(true);
    if (values_.latitudeSide == kRandomSide)
        values_.longitudeSide = kRandomSide;
    else if (values_.longitudeSide == kRandomSide)
        values_.longitudeSide = kWest;
    longitude_->setCurrentIndex(values_.longitudeSide);
}

void CWizardPage1::OnLongitudeChanged() {
    UpdateData(true);
    if (values_.longitudeSide == kRandomSide)
        values_.latitudeSide = kRandomSide;
    else if (values_.latitudeSide == kRandomSide)
        values_.latitudeSide = kNorth;
    latitude_->setCurrentIndex(values_.latitudeSide);
}

void CWizardPage1::OnPlaneChanged() {
    UpdateData(true);
    if (planeChanged_) planeChanged_();
}

}  // namespace trevalo
