// The general page through its controls: values into the model and back, the
// hemispheres that go random together, the performance number, the plane list and the
// help texts that follow the focus.
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

#include "adf/adventure_definition.h"
#include "fsinstall/installation.h"
#include "wizard_sheet_fixture.h"

namespace trevalo {
namespace {

using Page = CWizardPage1;

class GeneralPageTest : public testing::WizardSheetTest {
protected:
    CWizardPage1& General() const { return static_cast<CWizardPage1&>(*page_); }
    std::string Help() const { return Control<QLabel>(Page::kHelp)->text().toStdString(); }
};

TEST_F(GeneralPageTest, EachControlsValueIntoTheModelAndBack) {
    Open(0);
    Control<QLineEdit>(Page::kTitle)->setText(QStringLiteral("Evening hop"));
    Control<QPlainTextEdit>(Page::kDescription)->setPlainText(QStringLiteral("Two lines\nof text"));
    Control<QComboBox>(Page::kSeason)->setCurrentIndex(3);
    Control<QComboBox>(Page::kLongitude)->setCurrentIndex(2);
    Control<QComboBox>(Page::kLatitude)->setCurrentIndex(2);
    for (int id : {Page::kAutopilotMaster, Page::kSmokeSystem, Page::kAutoCoordination, Page::kAirspeedIndicator})
        Click(id);
    Choose(Page::kPerformance, 0);
    Control<QLineEdit>(Page::kPerformanceNumber)->setText(QStringLiteral("7"));
    Control<QTimeEdit>(Page::kStartTime)->setTime(QTime(18, 45, 30));
    Choose(Page::kPlane, 2);
    LeavePage();

    const adf::GeneralInfoValues& general = Values().general;
    EXPECT_EQ(general.title, "Evening hop");
    EXPECT_EQ(general.description, "Two lines\r\nof text");
    EXPECT_EQ(general.season, 3);
    EXPECT_EQ(general.longitudeSide, 2);
    EXPECT_EQ(general.latitudeSide, 2);
    EXPECT_EQ(general.autopilotMaster, 1);
    EXPECT_EQ(general.smokeSystem, 1);
    EXPECT_EQ(general.autoCoordination, 0);
    EXPECT_EQ(general.airspeedIndicator, 1);
    EXPECT_EQ(general.performance, 0);
    EXPECT_EQ(general.performanceNumber, "7");
    EXPECT_EQ(general.startTime, (adf::TimeOfDay{18, 45, 30}));
    EXPECT_EQ(general.plane, "Bell206b");

    adf::ResetPages(Values());
    Values().general.title = "Read back";
    Values().general.startTime = {6, 5, 4};
    Values().general.plane = "Concorde";
    General().ShowValues();
    EXPECT_EQ(Control<QLineEdit>(Page::kTitle)->text(), "Read back");
    EXPECT_TRUE(Control<QPlainTextEdit>(Page::kDescription)->toPlainText().isEmpty());
    EXPECT_EQ(Control<QTimeEdit>(Page::kStartTime)->time(), QTime(6, 5, 4));
    EXPECT_EQ(Control<QComboBox>(Page::kPlane)->currentText(), "Concorde");
    EXPECT_TRUE(Control<QCheckBox>(Page::kAutoCoordination)->isChecked());
    EXPECT_EQ(Control<QComboBox>(Page::kPerformance)->currentIndex(), 2);
}

TEST_F(GeneralPageTest, TheHemispheresGoRandomTogether) {
    struct Case {
        int changed;  // the combo the user chooses in
        int choice;
        int otherBefore;
        int otherAfter;
    };
    const Case cases[] = {
        {Page::kLatitude, 0, 2, 0},   // random latitude, random longitude
        {Page::kLatitude, 2, 0, 1},   // a chosen latitude gives a random longitude West
        {Page::kLatitude, 1, 2, 2},   // a chosen longitude stays
        {Page::kLongitude, 0, 2, 0},  // random longitude, random latitude
        {Page::kLongitude, 2, 0, 1},  // a chosen longitude gives a random latitude North
        {Page::kLongitude, 1, 2, 2},
    };
    Open(0);
    for (const Case& c : cases) {
        const int other = c.changed == Page::kLatitude ? Page::kLongitude : Page::kLatitude;
        Control<QComboBox>(other)->setCurrentIndex(c.otherBefore);
        Choose(c.changed, c.choice);
        EXPECT_EQ(Control<QComboBox>(other)->currentIndex(), c.otherAfter) << c.changed << " " << c.choice;
    }
    LeavePage();
    EXPECT_EQ(Values().general.longitudeSide, 1);
    EXPECT_EQ(Values().general.latitudeSide, 2);
}

TEST_F(GeneralPageTest, TheDefaultPerformanceTakesNoNumber) {
    Open(0);
    auto* number = Control<QLineEdit>(Page::kPerformanceNumber);
    EXPECT_EQ(number->text(), "5");
    EXPECT_TRUE(number->isEnabled());
    Choose(Page::kPerformance, 4);
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(Help(), kPerformanceHelp);
    Choose(Page::kPerformance, 3);
    EXPECT_TRUE(number->isEnabled());
}

TEST_F(GeneralPageTest, HelpTextsFollowTheFocusAndTheSwitches) {
    Open(0);
    struct Case {
        int id;
        const char* help;
    };
    for (const Case& c : {Case{Page::kTitle, kTitleHelp}, Case{Page::kDescription, kDescriptionHelp},
                          Case{Page::kStartTime, kStartTimeHelp}}) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(Control(c.id), &focusIn);
        EXPECT_EQ(Help(), c.help) << c.id;
    }
    // The focus that comes back with the window, after a menu or a message box, is no
    // move of the user's: the help stays (and the controls are not read again).
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent back(QEvent::FocusIn, reason);
        QApplication::sendEvent(Control(Page::kTitle), &back);
        EXPECT_EQ(Help(), kStartTimeHelp) << reason;
    }
    Click(Page::kAutoCoordination);
    EXPECT_EQ(Help(), kSwitchOnHelp);
    Click(Page::kSmokeSystem);
    EXPECT_EQ(Help(), kSwitchOffHelp);
    LeavePage();
    EXPECT_EQ(Values().general.helpText, kSwitchOffHelp);
}

TEST_F(GeneralPageTest, TheInstalledPlanesAreListedAndAChoiceTellsThePlanePage) {
    fsinstall::InstallationOptions options;
    options.folder = "C:\\FS2002";
    options.version = fsinstall::SimulatorVersion::Fs2002;
    ASSERT_TRUE(fsinstall::WriteInstallation(options, {}));
    Open(0);
    int changes = 0;
    General().SetPlaneChangedHandler([&] { ++changes; });
    EXPECT_EQ(General().SimulatorFolderUsed(), "C:\\FS2002\\");
    auto* planes = Control<QComboBox>(Page::kPlane);
    ASSERT_EQ(planes->count(), 3);
    EXPECT_EQ(planes->currentText(), "Cessna Skyhawk 172SP");
    Choose(Page::kPlane, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Values().general.plane, "Learjet 45");
    // A definition's plane is found by its trimmed name; one this simulator lacks is
    // reported and leaves the list without a selection.
    Values().general.plane = " Cessna Skyhawk 172SP Paint1 ";
    General().ShowValues();
    EXPECT_EQ(planes->currentIndex(), 1);
    Values().general.plane = "Sopcamel";
    General().ShowValues();
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{adf::kPlaneNotFoundMessage}));
    EXPECT_EQ(planes->currentIndex(), -1);
    LeavePage();
    EXPECT_TRUE(Values().general.plane.empty());
}

}  // namespace
}  // namespace trevalo
