#include "gathrelapp/navaids_page.h"

#include <QVBoxLayout>

#include "beaconex/navaid_getters.h"
#include "gathrel/record_search.h"
#include "gathrelapp/busy_message.h"
#include "navdata/line_widths.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace gathrelapp {

namespace {

constexpr const char* kIdentHelp = "Upper case, No resriction.\nUsualy 2 to 3 alphanumeric characters.";
constexpr const char* kCountryHelp =
    "This is the list of countries on file\nWhen searching for an ID you must first set it to the valid country";
constexpr const char* kElevationHelp = "No limits\nMesured in feet";
constexpr const char* kTypeHelp =
    "The choices are ADF, DME and VOR\nChanging this selection will afect the frequencies.";
constexpr const char* kFrequencyHelp =
    "The range depends on the type\nSelect the correct type before changing the frequecy";
constexpr const char* kFoundHelp = "Edit the variables and press edit when done.\nPress edit to cancel";
constexpr const char* kStartFrequency = "108.00";
constexpr const char* kEnterIdent = "Enter a valid ID";
constexpr const char* kEnterLatitude = "Enter a valid Latitude";
constexpr const char* kEnterLongitude = "Enter a valid Longitude";
constexpr const char* kEnterFrequency = "Enter a valid Frequency";
constexpr const char* kReplaceQuestion = "This ID is on file\nWould you like to replace it";

using Getter = void (*)(char*, const char*);

std::string Field(Getter get, const std::string& line) {
    char out[64] = {};
    if (!line.empty()) get(out, line.c_str());
    return platform::Trimmed(out);
}

std::vector<std::string> KindNames() {
    return std::vector<std::string>(std::begin(gathrel::kNavaidKindNames), std::end(gathrel::kNavaidKindNames));
}

void Refuse(const char* message) { platform::MessageBox(message, {}, platform::MbIcon::Information); }

}  // namespace

CGathrelNavAids::CGathrelNavAids(gathrel::BuilderDatabase& database, const gathrel::DatabasePaths& paths,
                                 const gathrel::BuilderJob& job)
    : RecordPage("Navaids", database, kHelp),
      paths_(paths),
      job_(job),
      type_(NewCombo(kType, kTypeHelp, KindNames())),
      ident_(NewEdit(kIdent, kIdentHelp)),
      country_(NewCombo(kCountry, kCountryHelp)),
      frequency_(NewEdit(kFrequency, kFrequencyHelp)),
      elevation_(NewEdit(kElevation, kElevationHelp)),
      latitude_(NewEdit(kLatitude, "")),
      latitudeHemisphere_(NewCombo(kLatitudeHemisphere, "")),
      longitude_(NewEdit(kLongitude, "")),
      longitudeHemisphere_(NewCombo(kLongitudeHemisphere, "")) {
    frequency_->setText(kStartFrequency);
    AddPositionField(latitude_, latitudeHemisphere_, gathrel::Axis::Latitude);
    AddPositionField(longitude_, longitudeHemisphere_, gathrel::Axis::Longitude);
    connect(frequency_, &QLineEdit::editingFinished, this, [this] { CheckFrequency(); });
    connect(type_, &QComboBox::activated, this, [this] { CheckFrequency(); });
    connect(AddButton(), &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(EditButton(), &QPushButton::clicked, this, [this] { OnEdit(); });

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    AddRow(*grid, "Type", type_);
    AddRow(*grid, "ID", ident_);
    AddRow(*grid, "Country", country_);
    AddRow(*grid, "Frequency", frequency_);
    AddRow(*grid, "Elevation", elevation_);
    AddRow(*grid, "Latitude", latitude_, latitudeHemisphere_);
    AddRow(*grid, "Longitude", longitude_, longitudeHemisphere_);
    layout->addLayout(grid);
    layout->addLayout(ButtonRow());
    layout->addWidget(Help());
}

gathrel::NavaidKind CGathrelNavAids::Kind() const {
    return static_cast<gathrel::NavaidKind>(std::max(type_->currentIndex(), 0));
}

void CGathrelNavAids::ShowLine(const std::string& text) {
    const std::string line = text.substr(0, navdata::kNavaidLineWidth);
    if (const auto kind = gathrel::KindOfTypeWord(Field(GetNavaidsType, line))) {
        type_->setCurrentIndex(static_cast<int>(*kind));
    }
    ident_->setText(QString::fromStdString(Field(GetNavaidsID, line)));
    const double frequency = platform::LeadingDouble(Field(GetNavaidsFreq, line));
    frequency_->setText(line.empty() ? QString(kStartFrequency)
                                     : QString::fromStdString(gathrel::FrequencyText(Kind(), frequency)));
    elevation_->setText(line.empty() ? QString() : QString::number(platform::LeadingInt(Field(GetNavaidsElev, line))));
    ShowPosition(latitude_, Field(GetNavaidsLat, line));
    ShowPosition(longitude_, Field(GetNavaidsLon, line));
    Choose(country_, gathrel::NavaidCountryOf(line));
    SetEditing(!line.empty());
}

// Showing a record lets it be changed; after a change, or with nothing to show, a new
// one may be added.
void CGathrelNavAids::SetEditing(bool showingRecord) {
    EditButton()->setEnabled(showingRecord);
    AddButton()->setEnabled(!showingRecord);
    ident_->setEnabled(!showingRecord);
    country_->setEnabled(!showingRecord);
}

int CGathrelNavAids::FindIdent(const std::string& country, const std::string& ident) {
    const int found = gathrel::FindNavaidLine(Lines(), country, ident);
    if (found >= 0) SetHelpText(kFoundHelp);
    return found;
}

void CGathrelNavAids::CheckFrequency() {
    const std::string text = platform::Trimmed(frequency_->text().toStdString());
    if (text.empty()) return;
    const gathrel::FrequencyCheck check =
        gathrel::CheckNavaidFrequency(Kind(), platform::ParseDouble(text).value_or(0.0));
    if (!check.message.empty()) platform::MessageBox(check.message, {}, platform::MbIcon::Information);
    frequency_->setText(QString::fromStdString(gathrel::FrequencyText(Kind(), check.value)));
}

std::optional<gathrel::EditedNavaid> CGathrelNavAids::FieldsNavaid() {
    gathrel::EditedNavaid navaid;
    navaid.ident = platform::Trimmed(ident_->text().toStdString());
    if (navaid.ident.empty()) {
        Refuse(kEnterIdent);
        return std::nullopt;
    }
    const auto latitude = CheckPosition(latitude_);
    if (!latitude) {
        Refuse(kEnterLatitude);
        return std::nullopt;
    }
    const auto longitude = CheckPosition(longitude_);
    if (!longitude) {
        Refuse(kEnterLongitude);
        return std::nullopt;
    }
    CheckFrequency();
    const auto frequency = platform::ParseDouble(platform::Trimmed(frequency_->text().toStdString()));
    if (!frequency) {
        Refuse(kEnterFrequency);
        return std::nullopt;
    }
    navaid.country = ChosenText(country_);
    navaid.kind = Kind();
    navaid.frequency = *frequency;
    navaid.latitude = *latitude;
    navaid.longitude = *longitude;
    navaid.elevationFeet = platform::LeadingInt(elevation_->text().toStdString());
    return navaid;
}

void CGathrelNavAids::OnAdd() {
    if (RefusedWhileBusy(job_)) return;
    auto navaid = FieldsNavaid();
    if (!navaid) return;
    const int found = gathrel::FindNavaidInCountry(Lines(), navaid->country, navaid->ident);
    if (found >= 0 && platform::MessageBox(kReplaceQuestion, {}, platform::MbIcon::Question,
                                           platform::MbButtons::YesNo) != platform::MbResult::Yes) {
        return;
    }
    Store(found, std::move(*navaid));
}

void CGathrelNavAids::OnEdit() {
    if (RefusedWhileBusy(job_) || Lines().empty()) return;
    auto navaid = FieldsNavaid();
    if (!navaid) return;
    Store(CurrentIndex(), std::move(*navaid));
}

void CGathrelNavAids::Store(int index, gathrel::EditedNavaid navaid) {
    std::vector<std::string>& lines = database_.navaidLines;
    if (index >= 0) navaid.name = Field(GetNavaidsName, lines[index].substr(0, navdata::kNavaidLineWidth));
    std::string line = gathrel::ComposeEditedNavaidLine(navaid);
    if (index >= 0) {
        lines[index] = std::move(line);
    } else {
        lines.push_back(std::move(line));
        index = static_cast<int>(lines.size()) - 1;
    }
    std::string failedPath;
    if (!gathrel::SaveNavaidLines(database_, paths_, failedPath)) {
        database_.unsaved = true;  // tried again when the builder closes
        platform::MessageBox(gathrel::SaveFailedMessage(failedPath), {}, platform::MbIcon::Stop);
    }
    ShowRecord(index);
    SetEditing(false);
}

}  // namespace gathrelapp
