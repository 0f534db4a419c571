#include "wizard/wizard_page4.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "flitmark/flitmark.h"
#include "platform/companion_program.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/window_types.h"
#include "platform/windows.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/property_sheet.h"
#include "qtplatform/text.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"
#include "weatherfile/weather_choice.h"

namespace trevalo {
namespace {

using W = adf::WeatherValues;
using Page = CWizardPage4;

struct ChoiceBox {
    int id;
    const char* caption;
    int W::*member;
};

// The Basic choices, a row per group.
const std::vector<std::vector<ChoiceBox>> kChoiceRows = {
    {{Page::kNoWind, "No Wind", &W::noWind}, {Page::kLightWind, "Light Wind", &W::lightWind}},
    {{Page::kNoRain, "No Rain", &W::noRain}, {Page::kLightRain, "Light Rain", &W::lightRain}},
    {{Page::kNoVisibility, "No Visibility", &W::noVisibility},
     {Page::kGoodVisibility, "Good Visibility", &W::goodVisibility},
     {Page::kAverageVisibility, "Average Visibility", &W::averageVisibility}},
    {{Page::kNoClouds, "No Clouds", &W::noClouds},
     {Page::kLightClouds, "Light Clouds", &W::lightClouds},
     {Page::kVeryCloudy, "Very Cloudy", &W::veryCloudy},
     {Page::kThunderstorm, "Thunderstorm", &W::thunderstorm}},
    {{Page::kNoTurbulence, "No Turbulences", &W::noTurbulence},
     {Page::kLightTurbulence, "Light Turbulences", &W::lightTurbulence},
     {Page::kHeavyTurbulence, "HeavyTurbulences", &W::heavyTurbulence}},
};

constexpr int kBasicOnly[] = {Page::kBasicFrame, Page::kTemperature,    Page::kTemperatureLabel,
                              Page::kVariation,  Page::kVariationLabel, Page::kReset};
constexpr int kAdvancedOnly[] = {Page::kAdvancedFrame, Page::kCreateWeatherButton, Page::kCopyWeatherButton,
                                 Page::kCopyChoice, Page::kCreateChoice};

// Two radio buttons for one switch. A checked radio button is unchecked only by checking
// its partner, so the one to check goes last.
void ExchangeRadioPair(qtplatform::DataExchange& dx, int firstId, int secondId, int& firstOn) {
    int first = firstOn != 0;
    int second = !first;
    if (first != 0) {
        dx.Check(secondId, second);
        dx.Check(firstId, first);
    } else {
        dx.Check(firstId, first);
        dx.Check(secondId, second);
    }
    if (dx.saving()) firstOn = first;
}

QLineEdit* NumberEdit(int id) {
    auto* edit = qtplatform::WithId(new QLineEdit, id);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-00000000")));
    return edit;
}

}  // namespace

CWizardPage4::CWizardPage4(adf::WeatherValues& values, const adf::PlaneValues& plane)
    : PropertyPage("Weather"), values_(values), plane_(plane) {
    auto* layout = new QVBoxLayout(this);
    auto* modes = new QWidget;
    auto* modeRow = new QHBoxLayout(modes);
    auto* basic = qtplatform::WithId(new QRadioButton(QStringLiteral("Basic")), kBasic);
    auto* advanced = qtplatform::WithId(new QRadioButton(QStringLiteral("Advanced")), kAdvanced);
    modeRow->addWidget(basic);
    modeRow->addWidget(advanced);
    layout->addWidget(modes);

    auto* basicFrame = qtplatform::WithId(new QGroupBox(QStringLiteral("Basic weather")), kBasicFrame);
    auto* grid = new QGridLayout(basicFrame);
    // Two columns, so that the page fits the wizard bar; each group starts a row.
    int row = 0;
    for (const std::vector<ChoiceBox>& group : kChoiceRows) {
        int item = 0;
        for (const ChoiceBox& choice : group) {
            auto* box = qtplatform::WithId(new QCheckBox(QString::fromLatin1(choice.caption)), choice.id);
            grid->addWidget(box, row + item / 2, item % 2);
            ++item;
        }
        row += (item + 1) / 2;
    }
    grid->addWidget(qtplatform::WithId(new QLabel(QStringLiteral("Temperature")), kTemperatureLabel), row, 0);
    grid->addWidget(NumberEdit(kTemperature), row++, 1);
    grid->addWidget(qtplatform::WithId(new QLabel(QStringLiteral("Day time var")), kVariationLabel), row, 0);
    grid->addWidget(NumberEdit(kVariation), row++, 1);
    auto* reset = qtplatform::WithId(new QPushButton(QStringLiteral("Reset")), kReset);
    grid->addWidget(reset, row, 1);
    layout->addWidget(basicFrame);
    layout->addWidget(qtplatform::WithId(new QLabel, kBaseAltitude));

    auto* advancedFrame = qtplatform::WithId(new QGroupBox(QStringLiteral("Advanced weather")), kAdvancedFrame);
    auto* advancedGrid = new QGridLayout(advancedFrame);
    auto* createChoice = qtplatform::WithId(new QRadioButton, kCreateChoice);
    auto* copyChoice = qtplatform::WithId(new QRadioButton, kCopyChoice);
    auto* create = qtplatform::WithId(new QPushButton(QStringLiteral("&Create Weather")), kCreateWeatherButton);
    auto* copy = qtplatform::WithId(new QPushButton(QStringLiteral("&Copy Weather")), kCopyWeatherButton);
    advancedGrid->addWidget(createChoice, 0, 0);
    advancedGrid->addWidget(create, 0, 1);
    advancedGrid->addWidget(copyChoice, 1, 0);
    advancedGrid->addWidget(copy, 1, 1);
    advancedGrid->setColumnStretch(2, 1);
    layout->addWidget(advancedFrame);
    layout->addStretch(1);

    connect(basic, &QRadioButton::clicked, this, [this] { Apply([this] { values_.mode = adf::kBasicWeatherMode; }); });
    connect(advanced, &QRadioButton::clicked, this,
            [this] { Apply([this] { values_.mode = adf::kAdvancedWeatherMode; }); });
    for (int id : {kNoWind, kLightWind}) {
        connect(qtplatform::FindControl<QCheckBox>(this, id), &QCheckBox::clicked, this, [this] {
            values_.noWind = values_.noWind == 0;
            values_.lightWind = values_.noWind == 0;
            UpdateData(false);
        });
    }
    const auto onClick = [this](int id, auto change) {
        connect(qtplatform::FindControl<QAbstractButton>(this, id), &QAbstractButton::clicked, this,
                [this, change] { Apply(change); });
    };
    onClick(kNoRain, [this] { ChooseNoRain(); });
    onClick(kLightRain, [this] {
        Choose({&W::noRain, &W::lightRain}, &W::lightRain);
        LightCloudsInsteadOfNone();
    });
    for (const ChoiceBox& visibility : kChoiceRows[2])
        onClick(visibility.id, [this, member = visibility.member] {
            Choose({&W::noVisibility, &W::goodVisibility, &W::averageVisibility}, member);
        });
    onClick(kNoClouds, [this] { ChooseNoClouds(); });
    for (const ChoiceBox& clouds : kChoiceRows[3]) {
        if (clouds.id == kNoClouds) continue;
        onClick(clouds.id, [this, member = clouds.member] {
            Choose({&W::noClouds, &W::lightClouds, &W::veryCloudy, &W::thunderstorm}, member);
        });
    }
    onClick(kNoTurbulence, [this] { ChooseNoTurbulence(); });
    for (const ChoiceBox& turbulence : kChoiceRows[4]) {
        if (turbulence.id == kNoTurbulence) continue;
        onClick(turbulence.id, [this, member = turbulence.member] {
            Choose({&W::noTurbulence, &W::lightTurbulence, &W::heavyTurbulence}, member);
            LightCloudsInsteadOfNone();
        });
    }
    onClick(kCreateChoice, [this] {
        values_.createWeather = 1;
        values_.copyWeather = 0;
    });
    onClick(kCopyChoice, [this] {
        values_.createWeather = 0;
        values_.copyWeather = 1;
    });
    connect(reset, &QPushButton::clicked, this, [this] { ResetWeather(); });
    connect(create, &QPushButton::clicked, this, [this] { StartWeatherEditor(); });
    connect(copy, &QPushButton::clicked, this, [this] { ChooseCopyFile(); });
    for (int id : {kTemperature, kVariation})
        connect(qtplatform::FindControl<QLineEdit>(this, id), &QLineEdit::editingFinished, this,
                [this, id] { NormaliseNumber(id); });
}

CWizardPage4::~CWizardPage4() {
    if (editorStarted_ && editor_.IsRunning())
        platform::PostMessageToProcessWindows(editor_.Id(), platform::WM_CLOSE, 0, 0);
    platform::DeleteFile(BaseDirectory() + kAdvancedWeatherFile);
}

bool CWizardPage4::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    ApplyEnablingRule();
    return result;
}

bool CWizardPage4::OnSetActive() {
    SetBaseAltitude(values_.baseAltitude);
    return PropertyPage::OnSetActive();
}

void CWizardPage4::DoDataExchange(qtplatform::DataExchange& dx) {
    int basic = values_.mode == adf::kBasicWeatherMode;
    ExchangeRadioPair(dx, kBasic, kAdvanced, basic);
    if (dx.saving()) values_.mode = basic != 0 ? adf::kBasicWeatherMode : adf::kAdvancedWeatherMode;
    for (const std::vector<ChoiceBox>& group : kChoiceRows)
        for (const ChoiceBox& choice : group) dx.Check(choice.id, values_.*choice.member);
    dx.Int(kTemperature, values_.temperature);
    dx.Int(kVariation, values_.dayTimeVariation);
    dx.Text(kBaseAltitude, values_.baseAltitudeText);
    ExchangeRadioPair(dx, kCreateChoice, kCopyChoice, values_.createWeather);
    if (dx.saving()) values_.copyWeather = values_.createWeather == 0;
}

template <class Change>
void CWizardPage4::Apply(Change change) {
    UpdateData(true);
    change();
    UpdateData(false);
    ApplyEnablingRule();
}

void CWizardPage4::ApplyEnablingRule() {
    const bool basic = values_.mode == adf::kBasicWeatherMode;
    const auto enable = [this](int id, bool on) {
        if (QWidget* control = qtplatform::FindControl(this, id)) control->setEnabled(on);
    };
    for (int id : kBasicOnly) enable(id, basic);
    for (const std::vector<ChoiceBox>& group : kChoiceRows)
        for (const ChoiceBox& choice : group) enable(choice.id, basic);
    for (int id : kAdvancedOnly) enable(id, !basic);
    if (basic) return;
    enable(kCreateWeatherButton, values_.createWeather != 0);
    enable(kCopyWeatherButton, values_.copyWeather != 0);
}

void CWizardPage4::Choose(std::initializer_list<int W::*> group, int W::*chosen) {
    for (int W::*member : group) values_.*member = member == chosen ? 1 : 0;
}

void CWizardPage4::ChooseNoRain() { Choose({&W::noRain, &W::lightRain}, &W::noRain); }

void CWizardPage4::ChooseNoTurbulence() {
    Choose({&W::noTurbulence, &W::lightTurbulence, &W::heavyTurbulence}, &W::noTurbulence);
    if (values_.lightRain != 0) ChooseNoRain();
}

// No clouds, no rain and no turbulence go together.
void CWizardPage4::ChooseNoClouds() {
    Choose({&W::noClouds, &W::lightClouds, &W::veryCloudy, &W::thunderstorm}, &W::noClouds);
    if (values_.lightRain != 0) ChooseNoRain();
    if (values_.lightTurbulence != 0 || values_.heavyTurbulence != 0) ChooseNoTurbulence();
}

// Rain and turbulence need clouds.
void CWizardPage4::LightCloudsInsteadOfNone() {
    if (values_.noClouds != 0)
        Choose({&W::noClouds, &W::lightClouds, &W::veryCloudy, &W::thunderstorm}, &W::lightClouds);
}

void CWizardPage4::ResetWeather() {
    if (HasWindow()) UpdateData(true);
    for (int W::*member : {&W::noWind, &W::noRain, &W::goodVisibility, &W::noClouds, &W::noTurbulence})
        values_.*member = 1;
    for (int W::*member : {&W::lightWind, &W::lightRain, &W::averageVisibility, &W::noVisibility, &W::lightClouds,
                           &W::veryCloudy, &W::thunderstorm, &W::lightTurbulence, &W::heavyTurbulence})
        values_.*member = 0;
    if (HasWindow()) UpdateData(false);
}

void CWizardPage4::ShowValues() {
    if (!HasWindow()) return;
    UpdateData(false);
    ApplyEnablingRule();
}

void CWizardPage4::NormaliseNumber(int id) {
    auto* edit = qtplatform::FindControl<QLineEdit>(this, id);
    const std::string text = qtplatform::FromQString(edit->text()).substr(0, 255);
    edit->setText(qtplatform::ToQString(platform::IntText(platform::LeadingInt(text))));
}

void CWizardPage4::SetBaseAltitude(int feet) {
    values_.baseAltitude = feet;
    if (!HasWindow()) return;
    UpdateData(true);
    values_.baseAltitude = adf::RoundedBaseAltitude(values_.baseAltitude);
    values_.baseAltitudeText = adf::BaseAltitudeText(values_.baseAltitude);
    UpdateData(false);
}

void CWizardPage4::ChooseCopyFile() {
    qtplatform::FileChooserRequest request;
    request.filter = kWeatherFileFilter;
    const qtplatform::ChosenPath chosen = qtplatform::ChooseFile(request, this);
    if (chosen) values_.fileToCopy = *chosen;
}

std::string CWizardPage4::BaseDirectory() const {
    return WithFinalBackslash(Settings().ReadString(SettingId::Directory));
}

void CWizardPage4::StartWeatherEditor() {
    if (editorStarted_ && editor_.IsRunning()) {
        platform::BringProcessWindowsToFront(editor_.Id());
        return;
    }
    const std::string program = Settings().ReadString(SettingId::Weather);
    if (!platform::ResolveProgram(program)) {
        platform::MessageBox(kWeatherProgramMissingMessage, {}, platform::MbIcon::Information);
        return;
    }
    std::string folder = platform::WindowsFolderPart(program);
    if (!platform::FindFile(folder)) folder.clear();
    editorStarted_ = editor_.Start(program, WeatherEditorArguments(BaseDirectory()), folder);
    if (!editorStarted_)
        platform::MessageBox(platform::kStartFailedMessage, platform::kStartFailedCaption,
                             platform::MbIcon::Information);
}

bool CWizardPage4::CreateWeatherFile(const std::string& definitionPath) {
    if (!platform::FileExists(definitionPath)) return false;
    const std::string weatherFile = adf::WeatherFilePath(definitionPath);
    if (HasWindow()) UpdateData(true);
    if (values_.mode == adf::kBasicWeatherMode) {
        // An unset cruising altitude lifts the clouds by nothing.
        const int cruise = std::max(plane_.performance.cruiseAltitude, 0);
        const adf::BasicWeather weather = adf::MakeBasicWeather(values_, cruise, weatherFile);
        return CreateBasicWeather(GeneratorWeather(weather));
    }
    if (values_.copyWeather != 0) return CopyChosenWeather(weatherFile);
    if (values_.createWeather != 0) return TakeEditorWeather(weatherFile);
    return false;
}

// A file chosen only now is copied at once.
bool CWizardPage4::CopyChosenWeather(const std::string& weatherFile) {
    if (values_.fileToCopy.empty()) {
        if (Sheet() != nullptr) Sheet()->SetActivePage(*this);
        platform::MessageBox(kSelectWeatherToCopyMessage, {}, platform::MbIcon::Information);
        ChooseCopyFile();
        if (values_.fileToCopy.empty()) return false;
    }
    if (CopyWeatherFile(values_.fileToCopy, weatherFile)) return true;
    values_.fileToCopy.clear();
    platform::MessageBox(kWeatherCannotBeUsedMessage, {}, platform::MbIcon::Information);
    ChooseCopyFile();
    return false;
}

// The weather the editor saved in its scratch file.
bool CWizardPage4::TakeEditorWeather(const std::string& weatherFile) {
    if (editorStarted_ && editor_.IsRunning() &&
        platform::MessageBox(kWeatherEditorActiveQuestion, {}, platform::MbIcon::Question,
                             platform::MbButtons::YesNo) == platform::MbResult::Yes) {
        platform::BringProcessWindowsToFront(editor_.Id());
        return false;
    }
    if (CopyWeatherFile(BaseDirectory() + kAdvancedWeatherFile, weatherFile)) return true;
    platform::MessageBox(kWeatherCannotBeUsedMessage, {}, platform::MbIcon::Information);
    StartWeatherEditor();
    return false;
}

}  // namespace trevalo
