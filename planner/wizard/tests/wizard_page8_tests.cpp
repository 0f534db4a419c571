// The plane page and the advanced plane settings: the general page's plane loaded from
// the plane file, "&Update" opening and storing the edits, the Mach read-outs, and the
// fifteen further V-speeds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "page_sheet.h"
#include "platform/message_box.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"
#include "wizard/advanced_plane_dlg.h"
#include "wizard/wizard_page8.h"

namespace trevalo {
namespace {

using Page = CWizardPage8;

constexpr const char* kPlaneFile = "drive_c/Quillet/QuilletPlane.adp";
constexpr const char* kStoredPlanes =
    "[other plane]\n"
    "cruise alt:9000\n"
    "[cessna skyhawk]\n"
    "cruise alt:8500\nland speed:65\nclmb speed:75\ncrse speed:120\ndesc speed:90\nland speed:65\n"
    "land flaps:30\nhas flaps:0\n"
    "V1:55\nV2:62\nVA:99\nVAPP:70\nVFE:85\nVLE:-1\nVLO:-1\nVMC:-1\nVMO:-1\nVNE:163\nVNO:129\nVR:55\nVREF:61\n"
    "VS:48\nVSO:40\nVTT:-1\nVX:62\nVY:74\n"
    "[glider]\n"
    "cruise alt:3000\nhas flaps:1\n";

class PlanePageTest : public ::testing::Test {
protected:
    PlanePageTest() {
        general_.plane = "Cessna Skyhawk";
        env_.writeFile("drive_c/Quillet/QuilletDefault.flt", "");
    }
    void Open() { sheet_ = std::make_unique<testing::PageSheet>(page_); }
    QLineEdit* Edit(int id) const { return sheet_->Control<QLineEdit>(id); }
    QString Readout(int id) const { return sheet_->Control<QLabel>(id)->text(); }
    // Types into an edit and leaves it, as the focus moving on does.
    void Type(int id, const char* text) const {
        Edit(id)->setText(text);
        emit Edit(id)->editingFinished();
    }
    void ClickUpdate() const { sheet_->Control<QPushButton>(Page::kUpdate)->click(); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    adf::GeneralInfoValues general_;
    adf::PlaneValues values_;
    Page page_{values_, general_, "C:\\Quillet\\"};
    std::unique_ptr<testing::PageSheet> sheet_;
};

TEST_F(PlanePageTest, TheGeneralPagesPlaneIsLoadedFromThePlaneFile) {
    env_.writeFile(kPlaneFile, kStoredPlanes);
    Open();
    auto* plane = sheet_->Control<QComboBox>(Page::kPlane);
    ASSERT_EQ(plane->count(), 1);
    EXPECT_EQ(plane->currentText(), "Cessna Skyhawk");
    EXPECT_FALSE(plane->isEnabled());
    const adf::PlanePerformance& loaded = values_.performance;
    EXPECT_EQ(loaded.cruiseAltitude, 8500);
    EXPECT_EQ(loaded.cruiseSpeed, 120);
    EXPECT_EQ(loaded.vr, 55);
    EXPECT_EQ(loaded.vne, 163);
    EXPECT_EQ(loaded.vle, adf::kNotSet);
    EXPECT_EQ(Edit(Page::kCruiseAltitude)->text(), "8500");
    EXPECT_EQ(Edit(Page::kFinalFlaps)->text(), "30");
    EXPECT_EQ(Readout(Page::kCruiseSpeedMach), "0.21");
    EXPECT_EQ(sheet_->Control<QLabel>(Page::kHelp)->text(), adf::kPlaneHelpText);
    EXPECT_EQ(values_.helpText, adf::kPlaneHelpText);
    // Closed until "&Update".
    for (int id : {Page::kCruiseAltitude, Page::kLandingSpeed, Page::kFinalFlaps}) EXPECT_FALSE(Edit(id)->isEnabled());
    EXPECT_FALSE(sheet_->Control<QPushButton>(Page::kAdvanced)->isEnabled());

    general_.plane = "Glider";
    page_.OnPlaneChanged();
    EXPECT_EQ(values_.performance.cruiseAltitude, 3000);
    EXPECT_TRUE(values_.performance.noFlaps);
    EXPECT_EQ(values_.performance.landingSpeed, adf::kNotSet);
    EXPECT_TRUE(Edit(Page::kLandingSpeed)->text().isEmpty());
    ClickUpdate();
    EXPECT_TRUE(Edit(Page::kCruiseAltitude)->isEnabled());
    EXPECT_FALSE(Edit(Page::kFinalFlaps)->isEnabled());  // a plane without flaps
}

TEST_F(PlanePageTest, APlaneWithoutValuesIsOpenedWithDefaultsAndStoredInTheFile) {
    Open();
    EXPECT_EQ(values_.performance.cruiseAltitude, adf::kNotSet);
    ClickUpdate();
    ASSERT_TRUE(page_.IsEditing());
    EXPECT_EQ(Edit(Page::kCruiseAltitude)->text(), "30000");
    EXPECT_EQ(Edit(Page::kLandingSpeed)->text(), "160");
    EXPECT_EQ(Readout(Page::kLandingSpeedMach), "0.28");
    EXPECT_TRUE(Edit(Page::kFinalFlaps)->isEnabled());
    Type(Page::kCruiseSpeed, "110");
    sheet_->Control<QCheckBox>(Page::kNoFlaps)->click();
    EXPECT_FALSE(Edit(Page::kFinalFlaps)->isEnabled());
    ClickUpdate();
    EXPECT_FALSE(page_.IsEditing());
    EXPECT_EQ(values_.performance.cruiseAltitude, 30000);
    EXPECT_EQ(values_.performance.cruiseSpeed, 110);
    EXPECT_TRUE(values_.performance.noFlaps);
    const std::string stored = env_.readFile(env_.driveC() / "Quillet/QuilletPlane.adp");
    EXPECT_EQ(stored.rfind("[cessna skyhawk]", 0), 0u) << stored;
    EXPECT_NE(stored.find("crse speed:110"), std::string::npos);
    EXPECT_NE(stored.find("has flaps:1"), std::string::npos);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(PlanePageTest, LeavingASpeedEditShowsItsNumberAndMachNumber) {
    Open();
    ClickUpdate();
    struct Case {
        const char* typed;
        const char* shown;
        const char* mach;
    };
    const Case cases[] = {
        {"160", "160", "0.28"},  {"0", "0", "0.00"}, {"250kt", "250", "0.44"},
        {" 574", "574", "1.00"}, {"", "", ""},       {"-5", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(Page::kV2, c.typed);
        EXPECT_EQ(Edit(Page::kV2)->text(), c.shown);
        EXPECT_EQ(Readout(Page::kV2Mach), c.mach);
    }
    Type(Page::kCruiseAltitude, "12000ft");  // no read-out, the text kept as typed
    EXPECT_EQ(Edit(Page::kCruiseAltitude)->text(), "12000ft");
}

TEST_F(PlanePageTest, GettingThePlaneDataStoresOpenEdits) {
    Open();
    ClickUpdate();
    Type(Page::kV1, "70");
    const adf::PlanePerformance data = page_.GetPlaneData();
    EXPECT_FALSE(page_.IsEditing());
    EXPECT_EQ(data.v1, 70);
    EXPECT_EQ(data.cruiseAltitude, 30000);
    EXPECT_NE(env_.readFile(env_.driveC() / "Quillet/QuilletPlane.adp").find("V1:70"), std::string::npos);
}

TEST_F(PlanePageTest, TheAdvancedSettingsEditACopyThatComesBackOnOk) {
    env_.writeFile(kPlaneFile, kStoredPlanes);
    Open();
    ClickUpdate();
    for (bool ok : {false, true}) {
        qtplatform::testing::WhenModalShown([ok](QWidget* modal) {
            auto* va = qtplatform::FindControl<QLineEdit>(modal, CAdvancedPlaneDlg::kVa);
            ASSERT_NE(va, nullptr);
            EXPECT_EQ(va->text(), "99");
            EXPECT_EQ(qtplatform::FindControl<QLabel>(modal, CAdvancedPlaneDlg::kVaMach)->text(), "0.17");
            EXPECT_TRUE(qtplatform::FindControl<QLineEdit>(modal, CAdvancedPlaneDlg::kVle)->text().isEmpty());
            va->setText("105");
            qtplatform::FindControl<QLineEdit>(modal, CAdvancedPlaneDlg::kVtt)->setText("80");
            ok ? static_cast<QDialog*>(modal)->accept() : static_cast<QDialog*>(modal)->reject();
        });
        sheet_->Control<QPushButton>(Page::kAdvanced)->click();
        EXPECT_EQ(values_.performance.va, ok ? 105 : 99);
        EXPECT_EQ(values_.performance.vtt, ok ? 80 : adf::kNotSet);
    }
    EXPECT_EQ(values_.performance.vne, 163);  // the others kept
}

}  // namespace
}  // namespace trevalo
