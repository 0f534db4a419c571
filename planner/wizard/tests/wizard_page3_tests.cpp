// The flight-plan page in its sheet, fed by the route as the map view feeds it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "nav_world.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "wizard/wizard_sheet.h"

namespace trevalo {
namespace {

using Page = CWizardPage3;

class FlightPlanPageTest : public ::testing::Test {
protected:
    FlightPlanPageTest() {
        navdata::testing::AirportFields departure;
        departure.ident = "KSPF";
        navdata::testing::AirportFields destination;
        destination.ident = "KBFI";
        destination.name = "Boeing Field";
        destination.latitude = "N047* 31'48.00";
        destination.runwayStartLatitude = "N047* 31'46.00";
        destination.runwayEndLatitude = "N047* 31'50.00";
        world_.AddAirport(departure);
        world_.AddAirport(destination);
        database_ = world_.Load();
        route_ = std::make_unique<Route>(*database_);
        sheet_ = std::make_unique<CWizardSheet>(*database_, *route_, [](const std::string&) { return true; });
        sheet_->show();
        sheet_->SetActivePage(2);
    }
    template <class T>
    T* Control(int id) const {
        return qtplatform::FindControl<T>(&sheet_->FlightPlanPage(), id);
    }
    // Two airports, the route's first and second records of the database.
    void PickRoute() {
        for (int number : {1, 2}) {
            CRoutePoint point;
            point.type = kPointAirport;
            point.databaseNumber = number;
            route_->Points().push_back(point);
        }
        route_->ValidateTrip();
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    testing::WorldFiles world_{env_};
    std::unique_ptr<NavDatabase> database_;
    std::unique_ptr<Route> route_;
    std::unique_ptr<CWizardSheet> sheet_;
};

TEST_F(FlightPlanPageTest, TheValidatedRouteShowsAsItsFlightPlan) {
    ASSERT_EQ(sheet_->GetActiveIndex(), 2);
    PickRoute();
    auto* list = Control<QListWidget>(Page::kRouteList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(), "routetype=1");
    EXPECT_EQ(list->item(1)->text(), "departure_name=Springfield Regional");
    EXPECT_EQ(list->item(2)->text(), "destination_name=Boeing Field");
    EXPECT_TRUE(list->item(3)->text().startsWith("waypoint.0, KSPF, A, N047* 27'14.00, W122* 18'11.00, +001234.00"));
    EXPECT_EQ(Control<QLineEdit>(Page::kTitle)->text(), "KSPF to KBFI");
    EXPECT_EQ(Control<QLineEdit>(Page::kDescription)->text(), "Springfield Regional, Boeing Field");
    EXPECT_EQ(Control<QComboBox>(Page::kType)->currentText(), "IFR");
    EXPECT_EQ(Control<QLineEdit>(Page::kAltitude)->text(), "10000");
    // The route file's writer gets the plan's records.
    const std::vector<RouteListEntry> entries = sheet_->FlightPlanPage().RouteListEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].ident, "KBFI");
    EXPECT_EQ(entries[1].type, "A");
    // The weather page's cloud base follows the plan's highest altitude (1234 feet).
    EXPECT_EQ(sheet_->Values().weather.baseAltitude, 1000);
    EXPECT_EQ(sheet_->Values().weather.baseAltitudeText, "Base Alt: 1000 (Feet)");
}

TEST_F(FlightPlanPageTest, EnableFlightPlanningSwitchesItsFiveControls) {
    auto* enable = Control<QCheckBox>(Page::kEnableFlightPlanning);
    ASSERT_NE(enable, nullptr);
    const std::vector<QWidget*> controls = {Control<QListWidget>(Page::kRouteList), Control<QComboBox>(Page::kType),
                                            Control<QLineEdit>(Page::kAltitude), Control<QLineEdit>(Page::kDescription),
                                            Control<QLineEdit>(Page::kTitle)};
    for (bool on : {false, true}) {
        enable->click();
        EXPECT_EQ(sheet_->FlightPlanPage().Model().Values().enabled, on);
        for (QWidget* control : controls) EXPECT_EQ(control->isEnabled(), on) << control->objectName().toStdString();
    }
}

TEST_F(FlightPlanPageTest, ResetClearsTheRouteAndRestoresTheAltitude) {
    PickRoute();
    Control<QLineEdit>(Page::kAltitude)->setText(QStringLiteral("4500"));
    Control<QCheckBox>(Page::kEnableFlightPlanning)->click();
    sheet_->FlightPlanPage().Reset();
    EXPECT_EQ(Control<QLineEdit>(Page::kAltitude)->text(), "10000");
    EXPECT_TRUE(Control<QCheckBox>(Page::kEnableFlightPlanning)->isChecked());
    EXPECT_TRUE(Control<QLineEdit>(Page::kAltitude)->isEnabled());
    EXPECT_EQ(Control<QListWidget>(Page::kRouteList)->count(), 0);
    EXPECT_TRUE(Control<QLineEdit>(Page::kTitle)->text().isEmpty());
    EXPECT_TRUE(sheet_->FlightPlanPage().Model().RouteList().Empty());
}

TEST_F(FlightPlanPageTest, TypedValuesAreTakenWhenThePageIsLeft) {
    Control<QLineEdit>(Page::kAltitude)->setText(QStringLiteral("7500"));
    Control<QComboBox>(Page::kType)->setCurrentIndex(1);
    ASSERT_TRUE(sheet_->SetActivePage(0));
    EXPECT_EQ(sheet_->FlightPlanPage().Model().Values().altitude, "7500");
    EXPECT_EQ(sheet_->FlightPlanPage().Model().Values().type, "VFR");
}

}  // namespace
}  // namespace trevalo
