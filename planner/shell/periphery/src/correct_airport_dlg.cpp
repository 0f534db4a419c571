#include "periphery/correct_airport_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "map/angle_text.h"
#include "periphery/corrections_file.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {

constexpr const char* kWestPositiveNote =
    "Decimal degrees, or degrees:minutes:hundredths. The longitude counts west positive, as in the scenery log: "
    "8.5 is 8.5 degrees west, -8.5 is 8.5 degrees east.";
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;

QString AngleText(double degrees) { return qtplatform::ToQString(platform::FixedText(degrees)); }

// A shown angle within its limit.
std::optional<double> AngleOf(const std::string& text, double limit) {
    const std::optional<double> value = platform::ParseDouble(platform::Trimmed(text));
    if (!value || *value < -limit || *value > limit) return std::nullopt;
    return value;
}

}  // namespace

CCorrectAirportDlg::CCorrectAirportDlg(const std::string& baseDirectory, QWidget* parent)
    : Dialog(parent),
      path_(baseDirectory + kCorrectionsFileName),
      latitudeEdit_(qtplatform::WithId(new QLineEdit, kLatitude)),
      longitudeEdit_(qtplatform::WithId(new QLineEdit, kLongitude)),
      save_(qtplatform::WithId(new QPushButton(QStringLiteral("&Save")), kSave)) {
    setWindowTitle(QStringLiteral("Correct Airport"));
    auto* identEdit = qtplatform::WithId(new QLineEdit, kIdent);
    auto* runwayEdit = qtplatform::WithId(new QLineEdit, kRunway);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ID"), identEdit);
    form->addRow(QStringLiteral("Runway"), runwayEdit);
    form->addRow(QStringLiteral("Lat"), latitudeEdit_);
    form->addRow(QStringLiteral("Lon (west +)"), longitudeEdit_);
    auto* note = new QLabel(QString::fromLatin1(kWestPositiveNote));
    note->setWordWrap(true);
    auto* deleteButton = qtplatform::WithId(new QPushButton(QStringLiteral("Delete")), kDelete);
    auto* close = qtplatform::WithId(new QPushButton(QStringLiteral("&Close")), kClose);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(buttons);

    for (QLineEdit* key : {identEdit, runwayEdit})
        connect(key, &QLineEdit::editingFinished, this, [this] { OnKillFocusKey(); });
    for (QLineEdit* angle : {latitudeEdit_, longitudeEdit_})
        connect(angle, &QLineEdit::editingFinished, this, [this, angle] { OnKillFocusAngle(angle); });
    connect(save_, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(close, &QPushButton::clicked, this, [this] { OnClose(); });
}

bool CCorrectAirportDlg::OnInitDialog() {
    const bool shown = Dialog::OnInitDialog();
    EnableValues(false);
    if (!OpenOrCreateCorrections(path_)) {
        platform::MessageBox(kCorrectionsOpenFailedMessage, {}, platform::MbIcon::Stop);
        // Closed once it is up, as a dialog that fails its set-up.
        QTimer::singleShot(0, this, [this] { EndDialog(Rejected); });
    }
    return shown;
}

void CCorrectAirportDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kIdent, ident_);
    dx.Text(kRunway, runway_);
    dx.Text(kLatitude, latitude_);
    dx.Text(kLongitude, longitude_);
}

void CCorrectAirportDlg::EnableValues(bool enable) {
    latitudeEdit_->setEnabled(enable);
    longitudeEdit_->setEnabled(enable);
    save_->setEnabled(enable);
}

void CCorrectAirportDlg::OnKillFocusKey() {
    const std::string oldIdent = ident_;
    const std::string oldRunway = runway_;
    UpdateData(true);
    ident_ = platform::Trimmed(ident_);
    runway_ = platform::Trimmed(runway_);
    const bool complete = !ident_.empty() && !runway_.empty();
    EnableValues(complete);
    if (complete && (ident_ != oldIdent || runway_ != oldRunway)) {
        LoadRecord();
        return;
    }
    UpdateData(false);
}

void CCorrectAirportDlg::LoadRecord() {
    latitude_.clear();
    longitude_.clear();
    if (const std::optional<AirportCorrection> found = LoadCorrection(path_, ident_, runway_)) {
        latitude_ = platform::FixedText(found->latitude);
        longitude_ = platform::FixedText(found->longitude);
    }
    UpdateData(false);
}

void CCorrectAirportDlg::OnKillFocusAngle(QLineEdit* edit) {
    const std::string text = platform::Trimmed(qtplatform::FromQString(edit->text()));
    if (!text.empty()) edit->setText(AngleText(ParseColonAngle(text)));
}

void CCorrectAirportDlg::OnSave() {
    UpdateData(true);
    const std::optional<double> latitude = AngleOf(latitude_, kMaxLatitude);
    const std::optional<double> longitude = AngleOf(longitude_, kMaxLongitude);
    if (!latitude || !longitude) {
        platform::MessageBox(kEnterLatLonMessage, {}, platform::MbIcon::Information);
        return;
    }
    if (!SaveCorrection(path_, {platform::Trimmed(ident_), platform::Trimmed(runway_), *latitude, *longitude}))
        platform::MessageBox(kCorrectionsWriteFailedMessage, {}, platform::MbIcon::Stop);
}

void CCorrectAirportDlg::OnDelete() {
    UpdateData(true);
    switch (DeleteCorrection(path_, platform::Trimmed(ident_), platform::Trimmed(runway_))) {
        case DeleteResult::NotOnFile:
            platform::MessageBox(kNothingToDeleteMessage, {}, platform::MbIcon::Information);
            return;
        case DeleteResult::Failed:
            platform::MessageBox(kCorrectionsWriteFailedMessage, {}, platform::MbIcon::Stop);
            return;
        case DeleteResult::Deleted:
            break;
    }
    runway_.clear();
    latitude_.clear();
    longitude_.clear();
    EnableValues(false);
    UpdateData(false);
}

}  // namespace trevalo
