#include "gathrelapp/airport_page.h"

#include <QVBoxLayout>

#include "aerodrex/airport_getters.h"
#include "gathrel/navaid_edit.h"
#include "gathrel/record_search.h"
#include "navdata/line_widths.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/static_text.h"

namespace gathrelapp {

namespace {

constexpr const char* kIdentHelp = "Upper case, No resriction.\nUsualy 2 to 3 alphanumeric characters.";
constexpr const char* kCountryHelp =
    "This is the list of countries on file\nWhen searching for an ID you must first set it to the valid country";
constexpr const char* kElevationHelp = "No limits\nMesured in feet";
constexpr const char* kIlsHelp = "The range is ... and ....";
constexpr const char* kOtherCountryQuestion =
    "%s was not found in %s,\nbut was found in %s.\nWould you like to see this ID";
constexpr int kNameLength = 50;
constexpr int kCityLength = 40;

using Getter = void (*)(char*, const char*);

// A text field of an airport line, trimmed; empty for a line of another kind.
std::string Field(Getter get, const std::string& line) {
    char out[64] = {};
    get(out, line.c_str());
    return platform::Trimmed(out);
}

}  // namespace

CGathrelAirport::CGathrelAirport(gathrel::BuilderDatabase& database)
    : RecordPage("Airport", database, kHelp),
      atis_(NewEdit(kAtis, "")),
      ident_(NewEdit(kIdent, kIdentHelp)),
      country_(NewCombo(kCountry, kCountryHelp)),
      name_(NewEdit(kName, "")),
      city_(NewEdit(kCity, "")),
      elevation_(NewEdit(kElevation, kElevationHelp)),
      latitude_(NewEdit(kLatitude, "")),
      latitudeHemisphere_(NewCombo(kLatitudeHemisphere, "")),
      longitude_(NewEdit(kLongitude, "")),
      longitudeHemisphere_(NewCombo(kLongitudeHemisphere, "")),
      length_(NewEdit(kLength, "")),
      surface_(NewCombo(kSurface, "", {"Asphalt", "Concrete", "Grass"})),
      ilsFrequency_(NewEdit(kIlsFrequency, kIlsHelp)),
      ilsIdent_(NewEdit(kIlsIdent, "")) {
    name_->setMaxLength(kNameLength);
    city_->setMaxLength(kCityLength);
    AddPositionField(latitude_, latitudeHemisphere_, gathrel::Axis::Latitude);
    AddPositionField(longitude_, longitudeHemisphere_, gathrel::Axis::Longitude);
    connect(ilsFrequency_, &QLineEdit::editingFinished, this, [this] { CheckIlsFrequency(); });

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    AddRow(*grid, "ID", ident_);
    AddRow(*grid, "Country", country_);
    AddRow(*grid, "Name", name_);
    AddRow(*grid, "City", city_);
    AddRow(*grid, "Elevation", elevation_);
    AddRow(*grid, "Latitude", latitude_, latitudeHemisphere_);
    AddRow(*grid, "Longitude", longitude_, longitudeHemisphere_);
    AddRow(*grid, "ATIS", atis_);
    AddRow(*grid, "Runway length", length_);
    AddRow(*grid, "Surface", surface_);
    AddRow(*grid, "ILS/LOC", ilsFrequency_);
    AddRow(*grid, "ILS ID", ilsIdent_);
    layout->addLayout(grid);
    layout->addLayout(ButtonRow());
    layout->addWidget(Help());
}

void CGathrelAirport::ShowLine(const std::string& text) {
    // The getters want the line without its line feed.
    const std::string line = text.substr(0, navdata::kAirportLineWidth);
    atis_->setText(QString::fromStdString(Field(GetAirportAtisFreq, line)));
    ident_->setText(QString::fromStdString(Field(GetAirportID, line)));
    name_->setText(QString::fromStdString(Field(GetAirportName, line)));
    city_->setText(QString::fromStdString(Field(GetAirportCity, line)));
    elevation_->setText(line.empty() ? QString() : QString::number(platform::LeadingInt(Field(GetAirportElev, line))));
    length_->setText(line.empty() ? QString() : QString::number(GetAirportLenth(line.c_str())));
    ilsFrequency_->setText(QString::fromStdString(Field(GetAirportIlsFreq, line)));
    ilsIdent_->setText(QString::fromStdString(Field(GetAirportIlsId, line)));
    ShowPosition(latitude_, Field(GetAirportLat, line));
    ShowPosition(longitude_, Field(GetAirportLong, line));
    Choose(country_, gathrel::AirportCountryOf(line));
    Choose(surface_, Field(GetAirportSurface, line));
}

int CGathrelAirport::FindIdent(const std::string& country, const std::string& ident) {
    const gathrel::AirportMatch match = gathrel::FindAirportLine(Lines(), country, ident);
    if (match.index >= 0 || match.elsewhere < 0) return match.index;
    const std::string question =
        platform::Format(kOtherCountryQuestion, ident.c_str(), country.c_str(), match.otherCountry.c_str());
    const auto answer = platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNo);
    return answer == platform::MbResult::Yes ? match.elsewhere : -1;
}

void CGathrelAirport::CheckIlsFrequency() {
    const std::string text = platform::Trimmed(ilsFrequency_->text().toStdString());
    if (text.empty()) return;
    const auto typed = platform::ParseDouble(text);
    const gathrel::FrequencyCheck check = gathrel::CheckIlsFrequency(typed.value_or(0.0));
    if (!check.message.empty()) platform::MessageBox(check.message, {}, platform::MbIcon::Information);
    ilsFrequency_->setText(QString::fromStdString(platform::Format("%.2f", check.value)));
}

}  // namespace gathrelapp
