#include "wizard/wizard_page10.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

#include "platform/message_box.h"
#include "platform/numbers.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/feedback.h"
#include "qtplatform/property_sheet.h"
#include "qtplatform/up_down_buttons.h"

namespace trevalo {
namespace {

using qtplatform::DataExchange;
using qtplatform::WithId;

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kMetreIndex = 1;
constexpr int kIndicatedIndex = 2;
// The speed radio buttons from GS on.
constexpr SpeedKind kSpeedKinds[] = {SpeedKind::Ground, SpeedKind::True, SpeedKind::Indicated};

QLabel* Label(const char* text) { return new QLabel(QString::fromLatin1(text)); }

}  // namespace

CWizardPage10::CWizardPage10(adf::RealTimeValues& values, const NavDatabase& database, const Route& route,
                             SimulatorLink& link)
    : PropertyPage("Real Time"),
      values_(values),
      database_(database),
      route_(route),
      link_(link),
      timeEdit_(WithId(new QTimeEdit(QTime::currentTime()), kTime)) {
    const QTime now = timeEdit_->time();
    time_ = {now.hour(), now.minute(), now.second()};
    timeEdit_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto* date = WithId(new QDateEdit(QDate::currentDate()), kDate);
    auto* interval = WithId(new QLineEdit, kInterval);
    auto* intervalSpin =
        WithId(new qtplatform::UpDownButtons([this](int delta) { OnIntervalSpin(delta); }), kIntervalSpin);
    auto* altitude = WithId(new QLineEdit, kAltitude);
    auto* altitudeSpin =
        WithId(new qtplatform::UpDownButtons([this](int delta) { OnAltitudeSpin(delta); }), kAltitudeSpin);
    auto* speed = WithId(new QLineEdit, kSpeed);
    auto* speedSpin = WithId(new qtplatform::UpDownButtons([](int) {}), kSpeedSpin);
    auto* latitude = WithId(new QLineEdit, kLatitude);
    auto* longitude = WithId(new QLineEdit, kLongitude);
    auto* pause = WithId(new QCheckBox(QStringLiteral("&Pause")), kPause);
    auto* feet = WithId(new QRadioButton(QStringLiteral("Feet")), kFeet);
    auto* metre = WithId(new QRadioButton(QStringLiteral("Metre")), kMetre);
    auto* ias = WithId(new QRadioButton(QStringLiteral("IAS")), kIndicatedAirspeed);
    auto* tas = WithId(new QRadioButton(QStringLiteral("TAS")), kTrueAirspeed);
    auto* gs = WithId(new QRadioButton(QStringLiteral("GS")), kGroundSpeed);
    auto* browse1 = WithId(new QPushButton(QStringLiteral("...")), kBrowse1);
    auto* browse2 = WithId(new QPushButton(QStringLiteral("...")), kBrowse2);
    auto* move = WithId(new QPushButton(QStringLiteral("Move Plane to Departure")), kMoveToDeparture);
    auto* goToPlane = WithId(new QPushButton(QStringLiteral("&Go to Plane")), kGoToPlane);
    auto* help = WithId(new QLabel, kHelp);
    help->setWordWrap(true);

    auto* units = new QButtonGroup(this);
    units->addButton(feet);
    units->addButton(metre);
    auto* speeds = new QButtonGroup(this);
    for (QRadioButton* button : {ias, tas, gs}) speeds->addButton(button);

    // Two columns as the sheet is narrow: labels, then each field with its spin or button;
    // the unit and speed choices on rows of their own.
    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addRow = [&](const char* label, QWidget* field, QWidget* beside) {
        grid->addWidget(Label(label), row, 0);
        grid->addWidget(field, row, 1);
        if (beside != nullptr) grid->addWidget(beside, row, 2);
        ++row;
    };
    const auto addChoices = [&](std::initializer_list<QWidget*> buttons) {
        auto* line = new QHBoxLayout;
        for (QWidget* button : buttons) line->addWidget(button);
        line->addStretch(1);
        grid->addLayout(line, row++, 1, 1, 2);
    };
    addRow("Refresh every (seconds)", interval, intervalSpin);
    addRow("Date", date, nullptr);
    addRow("Time", timeEdit_, nullptr);
    addRow("Latitude", latitude, browse1);
    addRow("Longitude", longitude, browse2);
    addRow("Altitude", altitude, altitudeSpin);
    addChoices({feet, metre});
    addRow("Speed (knots)", speed, speedSpin);
    addChoices({ias, tas, gs});
    grid->addWidget(pause, row++, 0, 1, 3);
    auto* actions = new QHBoxLayout;
    actions->addWidget(goToPlane);
    actions->addWidget(move);
    grid->addLayout(actions, row++, 0, 1, 3);
    grid->addWidget(help, row, 0, 1, 3);
    grid->setRowStretch(row, 1);

    linkControls_ = {altitude,     browse2,   browse1,   move, pause, date, latitude, longitude, speed,
                     altitudeSpin, speedSpin, timeEdit_, feet, metre, ias,  tas,      gs};
    connect(pause, &QCheckBox::clicked, this, [this] { OnPause(); });
    connect(move, &QPushButton::clicked, this, [this] { OnMoveToDeparture(); });
    connect(goToPlane, &QPushButton::clicked, this, [this] { OnGoToPlane(); });
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(feet), static_cast<QAbstractButton*>(metre), static_cast<QAbstractButton*>(ias),
          static_cast<QAbstractButton*>(tas), static_cast<QAbstractButton*>(gs)})
        connect(button, &QAbstractButton::clicked, this, [this] { Refresh(false); });
    connect(timeEdit_, &QTimeEdit::timeChanged, this, [this] {
        if (!showing_) OnTimeChanged();
    });
    connect(&timer_, &QTimer::timeout, this, [this] { OnRefreshTimer(); });
}

CWizardPage10::~CWizardPage10() {
    if (worker_.joinable()) worker_.join();
}

void CWizardPage10::ExchangeTime(DataExchange& dx) {
    QTimeEdit* edit = nullptr;
    dx.Control(kTime, edit);
    if (edit == nullptr) return;
    if (dx.saving()) {
        const QTime time = edit->time();
        time_ = {time.hour(), time.minute(), time.second()};
    } else {
        edit->setTime(QTime(time_.hour, time_.minute, time_.second));
    }
}

void CWizardPage10::ExchangeLiveValues(DataExchange& dx) {
    dx.Double(kAltitude, values_.altitude);
    dx.Double(kLatitude, values_.latitude);
    dx.Double(kLongitude, values_.longitude);
    dx.Check(kPause, values_.pause);
    ExchangeTime(dx);
    dx.Double(kSpeed, values_.speed);
    dx.Radio(kFeet, unit_);
    dx.Radio(kGroundSpeed, speedKind_);
}

void CWizardPage10::DoDataExchange(DataExchange& dx) {
    dx.Int(kInterval, values_.refreshInterval);
    dx.MinMaxInt(values_.refreshInterval, 0, adf::kMaxRefreshInterval);
    ExchangeLiveValues(dx);
    dx.Text(kHelp, values_.helpText);
}

bool CWizardPage10::OnInitDialog() {
    unit_ = kMetreIndex;
    speedKind_ = kIndicatedIndex;
    const bool result = PropertyPage::OnInitDialog();
    StartTimer();
    Refresh(false);
    return result;
}

bool CWizardPage10::OnSetActive() {
    Refresh(true);
    return PropertyPage::OnSetActive();
}

bool CWizardPage10::OnKillActive() {
    if (!PropertyPage::OnKillActive()) return false;
    StartTimer();
    return true;
}

void CWizardPage10::StartTimer() {
    timer_.stop();
    values_.refreshInterval = std::clamp(values_.refreshInterval, 0, adf::kMaxRefreshInterval);
    if (values_.refreshInterval > 0) timer_.start(values_.refreshInterval * kMillisecondsPerSecond);
}

AltitudeUnit CWizardPage10::Unit() const { return unit_ == kMetreIndex ? AltitudeUnit::Metre : AltitudeUnit::Feet; }

std::optional<SpeedKind> CWizardPage10::ChosenSpeed() const {
    if (speedKind_ < 0 || speedKind_ >= static_cast<int>(std::size(kSpeedKinds))) return std::nullopt;
    return kSpeedKinds[speedKind_];
}

void CWizardPage10::ShowLiveValues() {
    showing_ = true;
    DataExchange dx(*this, DataExchange::Direction::ToControls);
    ExchangeLiveValues(dx);
    showing_ = false;
}

void CWizardPage10::EnableLinkControls(bool enabled) {
    for (QWidget* control : linkControls_) control->setEnabled(enabled);
}

bool CWizardPage10::MayRefresh(bool forced) const {
    if (!HasWindow()) return false;
    if (!forced && (Sheet() == nullptr || Sheet()->GetActivePage() != this)) return false;
    // A box waits for the user: the refresh would run inside its loop, again and again.
    return QApplication::activeModalWidget() == nullptr;
}

CWizardPage10::Choices CWizardPage10::ReadChoices() {
    DataExchange choices(*this, DataExchange::Direction::FromControls);
    choices.Radio(kFeet, unit_);
    choices.Radio(kGroundSpeed, speedKind_);
    return {Unit(), ChosenSpeed()};
}

void CWizardPage10::Refresh(bool forced) {
    if (!MayRefresh(forced)) return;
    const Choices choices = ReadChoices();
    Apply(ReadLive(link_, choices.unit, choices.speed, values_, time_));
}

void CWizardPage10::OnRefreshTimer() {
    if (refreshing_ || !MayRefresh(false)) return;
    const Choices choices = ReadChoices();
    // The last worker has handed over its reading, so it has ended or is ending.
    if (worker_.joinable()) worker_.join();
    refreshing_ = true;
    worker_ = std::thread([this, choices, values = values_, time = time_] {
        const LiveReading reading = ReadLive(link_, choices.unit, choices.speed, values, time);
        QMetaObject::invokeMethod(
            this,
            [this, reading] {
                refreshing_ = false;
                Apply(reading);
            },
            Qt::QueuedConnection);
    });
}

void CWizardPage10::Apply(const LiveReading& reading) {
    if (!reading.running) {
        EnableLinkControls(false);
        return;
    }
    EnableLinkControls(true);
    values_.altitude = reading.values.altitude;
    // To the millionth of a degree (about 0.1 m), so the link's binary encoding does not show.
    values_.latitude = platform::FixedTextValue(reading.values.latitude, 6);
    values_.longitude = platform::FixedTextValue(reading.values.longitude, 6);
    values_.pause = reading.values.pause;
    values_.speed = reading.values.speed;
    time_ = reading.time;
    if (!ChosenSpeed()) speedKind_ = kIndicatedIndex;
    ShowLiveValues();
    if (!reading.answered) EnableLinkControls(false);
}

bool CWizardPage10::SimulatorAnswers() {
    if (link_.IsRunning()) return true;
    platform::MessageBox(kPlaneNotLocatedMessage, kPlaneNotLocatedCaption, platform::MbIcon::Information);
    return false;
}

void CWizardPage10::OnPause() {
    DataExchange dx(*this, DataExchange::Direction::FromControls);
    dx.Check(kPause, values_.pause);
    link_.SetPaused(values_.pause != 0);
    Refresh(false);
}

void CWizardPage10::OnTimeChanged() {
    DataExchange dx(*this, DataExchange::Direction::FromControls);
    ExchangeTime(dx);
    link_.SetTime(time_);
    Refresh(false);
}

void CWizardPage10::OnAltitudeSpin(int delta) {
    DataExchange dx(*this, DataExchange::Direction::FromControls);
    dx.Double(kAltitude, values_.altitude);
    dx.Radio(kFeet, unit_);
    if (dx.failed()) return;
    values_.altitude = SteppedAltitude(values_.altitude, delta);
    link_.SetAltitudeMetres(MetresOfAltitude(values_.altitude, Unit()));
    ShowLiveValues();
}

void CWizardPage10::OnIntervalSpin(int delta) {
    DataExchange dx(*this, DataExchange::Direction::FromControls);
    dx.Int(kInterval, values_.refreshInterval);
    if (dx.failed()) return;
    values_.refreshInterval = SteppedInterval(values_.refreshInterval, delta);
    StartTimer();
    DataExchange show(*this, DataExchange::Direction::ToControls);
    show.Int(kInterval, values_.refreshInterval);
}

void CWizardPage10::OnGoToPlane() {
    if (!SimulatorAnswers()) return;
    const std::optional<double> latitude = link_.Latitude();
    const std::optional<double> longitude = latitude ? link_.Longitude() : std::nullopt;
    if (!longitude) {
        platform::MessageBox(kPlaneNotLocatedMessage, kPlaneNotLocatedCaption, platform::MbIcon::Information);
        return;
    }
    if (centreMap_) centreMap_(*latitude, *longitude);
}

void CWizardPage10::OnMoveToDeparture() {
    if (!SimulatorAnswers()) return;
    const std::variant<Departure, DepartureProblem> found = FindDeparture(route_, database_);
    if (const auto* problem = std::get_if<DepartureProblem>(&found)) {
        platform::MessageBox(
            *problem == DepartureProblem::EmptyRoute ? kNoDepartureAirportMessage : kDepartureNotAirportMessage,
            kInvalidRequestCaption, platform::MbIcon::Information);
        return;
    }
    bool moved = false;
    {
        qtplatform::WaitCursor wait;
        moved = MovePlaneTo(link_, std::get<Departure>(found));
    }
    if (!moved) platform::MessageBox(kPlaneNotLocatedMessage, kPlaneNotLocatedCaption, platform::MbIcon::Information);
}

}  // namespace trevalo
