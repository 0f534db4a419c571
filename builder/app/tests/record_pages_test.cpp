// The Airport and Navaids pages on the sheet, offscreen: browsing, searching, and the
// navaid page's edits as the planner's loader reads them back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "beaconex/navaid_getters.h"
#include "gathrel/navaid_edit.h"
#include "gathrel/record_search.h"
#include "gathrelapp/gathrel_sheet.h"
#include "gathrelapp/search_dlg.h"
#include "map/nav_database.h"
#include "navdata/record_lines.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "testing/temp_environment.h"

namespace gathrelapp {
namespace {

std::string AirportLine(const char* city, const char* country, const char* ident) {
    return navdata::ComposeAirportLine({.city = city,
                                        .country = country,
                                        .name = "Field",
                                        .ident = ident,
                                        .elevation = "100.000000",
                                        .latitude = "N047* 30'00.00",
                                        .longitude = "W122* 15'00.00",
                                        .runwayHeading = "270.0",
                                        .runwayLength = "9000"}) +
           "\n";
}

std::string NavaidLine(const char* country, const char* type, const char* ident, double frequency, const char* name) {
    return navdata::ComposeNavaidLine({.country = country,
                                       .type = type,
                                       .ident = ident,
                                       .frequency = frequency,
                                       .latitude = "N047* 30'00.00",
                                       .longitude = "W122* 15'00.00",
                                       .elevationFeet = 400,
                                       .name = name}) +
           "\n";
}

class RecordPagesTest : public ::testing::Test {
protected:
    RecordPagesTest() {
        std::string countries = "2\r\nFreedonia\t1\r\nSylvania\t1\r\n";
        env_.writeFile("drive_c/Quillet/Country.nav", countries);
        std::string airports = "3\r\n";
        for (const auto& line : {AirportLine("Alpha", "Freedonia", "KAAA"), AirportLine("Beta", "Sylvania", "KBBB"),
                                 AirportLine("Gamma", "Freedonia", "KCCC")})
            airports += line.substr(0, 335) + "\r\n";
        env_.writeFile("drive_c/Quillet/Airport.nav", airports);
        std::string navaids = "2\r\n";
        for (const auto& line :
             {NavaidLine("", "VOR", "SEA", 114.3, "SEATTLE"), NavaidLine("Freedonia", "NDB", "OT", 350.0, "OTHERTON")})
            navaids += line.substr(0, 170) + "\r\n";
        env_.writeFile("drive_c/Quillet/Navaids.nav", navaids);
        sheet_.emplace("C:\\Quillet\\");
    }

    template <class T = QWidget>
    T* Control(int id) {
        T* control = qtplatform::FindControl<T>(sheet_->GetActivePage(), id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    std::string Text(int id) { return Control<QLineEdit>(id)->text().toStdString(); }

    void Open(qtplatform::PropertyPage& page) {
        sheet_->show();
        ASSERT_TRUE(sheet_->SetActivePage(page));
        boxes_.clear();
    }

    // Types into an edit and leaves it, as a user would.
    void Type(int id, const char* text) {
        QLineEdit* edit = Control<QLineEdit>(id);
        edit->setFocus();
        edit->setText(QString::fromUtf8(text));
        emit edit->editingFinished();
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(edit, &out);
    }

    // Runs "&Search" and answers the search dialog with the ident.
    void Search(const char* ident) {
        QTimer::singleShot(0, [ident] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            qtplatform::FindControl<QLineEdit>(dialog, CSearchDlg::kIdent)->setText(QString::fromUtf8(ident));
            qtplatform::FindControl<QPushButton>(dialog, qtplatform::kIdOk)->click();
        });
        Control<QPushButton>(RecordPage::kSearch)->click();
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_{{platform::MbResult::Yes}};
    std::optional<CGathrelSheet> sheet_;  // made once the files are there
};

using Airport = CGathrelAirport;
using Navaids = CGathrelNavAids;

TEST_F(RecordPagesTest, AirportsWrapRoundBothWays) {
    Open(sheet_->AirportPage());
    EXPECT_EQ(Text(Airport::kIdent), "KAAA");
    EXPECT_EQ(Text(Airport::kLatitude), "047* 30'00.00");
    EXPECT_EQ(Control<QComboBox>(Airport::kLatitudeHemisphere)->currentText(), "North");
    EXPECT_EQ(Control<QComboBox>(Airport::kLongitudeHemisphere)->currentText(), "West");
    Control<QPushButton>(RecordPage::kPrevious)->click();
    EXPECT_EQ(Text(Airport::kIdent), "KCCC");
    Control<QPushButton>(RecordPage::kNext)->click();
    EXPECT_EQ(Text(Airport::kIdent), "KAAA");
    Control<QPushButton>(RecordPage::kNext)->click();
    EXPECT_EQ(Text(Airport::kIdent), "KBBB");
    EXPECT_EQ(Control<QComboBox>(Airport::kCountry)->currentText(), "Sylvania");
}

TEST_F(RecordPagesTest, AnAirportInAnotherCountryIsOfferedByItsCountry) {
    Open(sheet_->AirportPage());
    Control<QComboBox>(Airport::kCountry)->setCurrentText("Freedonia");
    Search("KBBB");
    EXPECT_EQ(boxes_.texts(),
              std::vector<std::string>{
                  "KBBB was not found in Freedonia,\nbut was found in Sylvania.\nWould you like to see this ID"});
    EXPECT_EQ(Text(Airport::kIdent), "KBBB");
    boxes_.clear();
    Search("NONE");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"No item found"});
}

TEST_F(RecordPagesTest, AScannedNavaidIsFoundByItsIdentAlone) {
    Open(sheet_->NavaidsPage());
    Control<QPushButton>(RecordPage::kNext)->click();
    EXPECT_EQ(Text(Navaids::kIdent), "OT");
    Control<QComboBox>(Navaids::kCountry)->setCurrentText("Freedonia");
    Search("SEA");
    EXPECT_EQ(Text(Navaids::kIdent), "SEA");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(RecordPagesTest, AnEmptyListShowsEmptyFieldsAndNoNavigation) {
    sheet_->Database().airportLines.clear();
    Open(sheet_->AirportPage());
    EXPECT_EQ(Text(Airport::kIdent), "");
    EXPECT_EQ(Text(Airport::kLatitude), "");
    EXPECT_FALSE(Control<QPushButton>(RecordPage::kNext)->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(RecordPage::kPrevious)->isEnabled());
}

TEST_F(RecordPagesTest, TheIlsFrequencyKeepsTheIlsBand) {
    Open(sheet_->AirportPage());
    Type(Airport::kIlsFrequency, "110.32");
    EXPECT_EQ(Text(Airport::kIlsFrequency), "110.30");
    EXPECT_TRUE(boxes_.texts().empty());
    Type(Airport::kIlsFrequency, "200");
    EXPECT_EQ(Text(Airport::kIlsFrequency), "108.10");
    ASSERT_EQ(boxes_.texts().size(), 1u);
}

TEST_F(RecordPagesTest, APositionIsRewrittenAsAngleTextOrRefused) {
    Open(sheet_->AirportPage());
    Type(Airport::kLatitude, "47*30.50'");
    EXPECT_EQ(Text(Airport::kLatitude), "047* 30'50.00");
    Type(Airport::kLongitude, "122.5");
    EXPECT_EQ(Text(Airport::kLongitude), "");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Invalid Longitude FormatMust be xx*xx.xx'"});
}

TEST_F(RecordPagesTest, EditingANavaidWritesTheWholeLineThePlannerReads) {
    Open(sheet_->NavaidsPage());
    EXPECT_EQ(Text(Navaids::kIdent), "SEA");
    EXPECT_EQ(Text(Navaids::kFrequency), "114.30");
    EXPECT_FALSE(Control<QPushButton>(RecordPage::kAdd)->isEnabled());
    Type(Navaids::kFrequency, "112.37");
    EXPECT_EQ(Text(Navaids::kFrequency), "112.35");
    Control<QPushButton>(RecordPage::kEdit)->click();
    EXPECT_TRUE(boxes_.texts().empty()) << boxes_.texts().front();
    EXPECT_TRUE(Control<QPushButton>(RecordPage::kAdd)->isEnabled());

    trevalo::ResetLoadError();
    trevalo::NavDatabase database("C:\\Quillet\\");
    ASSERT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.navaidCount, 2);
    const std::string line = database.NavaidLine(1);
    ASSERT_EQ(line.size(), 170u);
    char field[64];
    GetNavaidsFreq(field, line.c_str());
    EXPECT_NEAR(platform::LeadingDouble(field), 112.35, 1e-5);
    GetNavaidsName(field, line.c_str());
    EXPECT_EQ(platform::Trimmed(field), "SEATTLE");
    GetNavaidsType(field, line.c_str());
    EXPECT_EQ(platform::Trimmed(field), "VOR");
}

TEST_F(RecordPagesTest, AddingAnIdentOnFileReplacesTheRecordThatMatched) {
    Open(sheet_->NavaidsPage());
    Control<QPushButton>(RecordPage::kEdit)->click();  // leaves SEA as it was, lets a new one be added
    Control<QComboBox>(Navaids::kType)->setCurrentIndex(static_cast<int>(gathrel::NavaidKind::Adf));
    Control<QLineEdit>(Navaids::kIdent)->setText("OT");
    Control<QComboBox>(Navaids::kCountry)->setCurrentText("Freedonia");
    Type(Navaids::kFrequency, "360");
    Control<QPushButton>(RecordPage::kAdd)->click();
    ASSERT_EQ(boxes_.texts(), std::vector<std::string>{"This ID is on file\nWould you like to replace it"});
    const auto& lines = sheet_->Database().navaidLines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(gathrel::NavaidIdentOf(lines[0]), "SEA");
    char field[64];
    GetNavaidsType(field, lines[1].c_str());
    EXPECT_STREQ(field, "NDB");
    GetNavaidsFreq(field, lines[1].c_str());
    EXPECT_NEAR(platform::LeadingDouble(field), 360.0, 1e-9);
}

}  // namespace
}  // namespace gathrelapp
