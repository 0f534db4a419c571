// The wizard sheet shown offscreen on a small world, its pages driven through their
// controls as a user drives them.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <memory>
#include <string>

#include "nav_world.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "wizard/wizard_sheet.h"

namespace trevalo::testing {

class WizardSheetTest : public ::testing::Test {
protected:
    // Makes the sheet and activates the page (0-based); what the sheet reads at its start
    // (settings, the simulator's install key) is to be written before.
    void Open(int pageIndex) {
        database_ = world_.Load();
        route_ = std::make_unique<Route>(*database_);
        sheet_ = std::make_unique<CWizardSheet>(*database_, *route_, [](const std::string&) { return true; });
        sheet_->show();
        ASSERT_TRUE(sheet_->SetActivePage(pageIndex));
        page_ = sheet_->GetActivePage();
        boxes_.clear();  // the default files missing from the base directory
    }
    template <class T = QWidget>
    T* Control(int id) const {
        T* control = qtplatform::FindControl<T>(page_, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    void Click(int id) const { Control<QAbstractButton>(id)->click(); }
    // A user's choice in a combo box: its handler runs as it does for a click.
    void Choose(int id, int index) const {
        auto* combo = Control<QComboBox>(id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Leaving the page takes its values.
    void LeavePage() const { ASSERT_TRUE(sheet_->SetActivePage(page_ == sheet_->GetPage(0) ? 1 : 0)); }
    adf::WizardValues& Values() const { return sheet_->Values(); }
    // Two airports in the world, before Open: KSPF (the default fields) and KBFI.
    void AddSpringfieldAndBoeingField() {
        navdata::testing::AirportFields destination;
        destination.ident = "KBFI";
        destination.name = "Boeing Field";
        spf_ = world_.AddAirport({});
        bfi_ = world_.AddAirport(destination);
    }
    // The airport of the database record at the route's end.
    void AddRouteAirport(int number, const std::string& ident) const {
        CRoutePoint point;
        point.type = kPointAirport;
        point.databaseNumber = number;
        point.ident = ident;
        route_->Points().push_back(point);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    WorldFiles world_{env_};
    std::unique_ptr<NavDatabase> database_;
    std::unique_ptr<Route> route_;
    std::unique_ptr<CWizardSheet> sheet_;
    qtplatform::PropertyPage* page_ = nullptr;
    int spf_ = 0, bfi_ = 0;  // AddSpringfieldAndBoeingField's record numbers
};

}  // namespace trevalo::testing
