// What is set on the Emergency, ATC Sound, Planes and Briefing pages goes into the
// adventure definition and comes back into the pages of a wizard that reads it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "adf/adventure_definition.h"
#include "page_sheet.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"
#include "wizard/wizard_page6.h"
#include "wizard/wizard_page7.h"
#include "wizard/wizard_page8.h"
#include "wizard/wizard_page9.h"

namespace trevalo {
namespace {

constexpr const char* kBase = "C:\\Quillet\\";

// The four pages on one set of values, each in a sheet of its own.
struct Pages {
    explicit Pages(adf::WizardValues& values, const Route& route)
        : emergency(values.emergency),
          sound(values.atc, kBase),
          plane(values.plane, values.general, kBase),
          briefing(values, route) {}

    CWizardPage6 emergency;
    CWizardPage7 sound;
    CWizardPage8 plane;
    CWizardPage9 briefing;
    testing::PageSheet emergencySheet{emergency};
    testing::PageSheet soundSheet{sound};
    testing::PageSheet planeSheet{plane};
    testing::PageSheet briefingSheet{briefing};

    bool LeaveAll() {
        return emergencySheet.LeavePage() && soundSheet.LeavePage() && planeSheet.LeavePage() &&
               briefingSheet.LeavePage();
    }
};

TEST(WizardPagesDefinition, WhatThePagesHoldComesBackThroughTheDefinition) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    NavDatabase database(kBase);
    Route route(database);

    adf::WizardValues typed;
    typed.general.title = "Bay Hop";
    typed.plane.performance.cruiseAltitude = 8500;  // the plane has values
    typed.plane.performance.planeName = "Cessna Skyhawk";
    typed.emergency.crashMode = adf::kDetectCrashAndShowGraph;  // the frame's crash menu
    typed.emergency.collideWithScenery = 1;
    {
        Pages pages(typed, route);
        for (int id : {CWizardPage6::kGear2, CWizardPage6::kNav, CWizardPage6::kDisplayWhenFails})
            pages.emergencySheet.Control<QCheckBox>(id)->click();
        pages.emergencySheet.Control<QLineEdit>(CWizardPage6::kPercent)->setText("35");
        pages.soundSheet.Control<QCheckBox>(CWizardPage7::kNoSound)->click();
        pages.planeSheet.Control<QCheckBox>(CWizardPage8::kEnginesOff)->click();
        pages.briefingSheet.Control<QCheckBox>(CWizardPage9::kGiveTitle)->click();
        pages.briefingSheet.Control<QPlainTextEdit>(CWizardPage9::kDescriptionText)
            ->setPlainText("Over the hills\nand far away");
        pages.briefingSheet.Control<QLineEdit>(CWizardPage9::kUserEstimate)->setText("2 hours");
        ASSERT_TRUE(pages.LeaveAll());
    }

    adf::Definition definition;
    definition.SetLines(adf::ComposeDefinition(typed, {}, kBase));
    adf::WizardValues read;
    adf::ReadDefinition(definition, read);
    Pages pages(read, route);
    for (int id : {CWizardPage6::kGear2, CWizardPage6::kNav})
        EXPECT_TRUE(pages.emergencySheet.Control<QCheckBox>(id)->isChecked()) << id;
    EXPECT_FALSE(pages.emergencySheet.Control<QCheckBox>(CWizardPage6::kDisplayWhenFails)->isChecked());
    EXPECT_FALSE(pages.emergencySheet.Control<QCheckBox>(CWizardPage6::kAdf)->isChecked());
    EXPECT_EQ(read.emergency.crashMode, adf::kDetectCrashAndShowGraph);
    EXPECT_EQ(read.emergency.collideWithScenery, 1);
    EXPECT_EQ(read.emergency.stressDamage, 1);
    EXPECT_TRUE(pages.soundSheet.Control<QCheckBox>(CWizardPage7::kNoSound)->isChecked());
    EXPECT_TRUE(pages.planeSheet.Control<QCheckBox>(CWizardPage8::kEnginesOff)->isChecked());
    EXPECT_FALSE(pages.briefingSheet.Control<QCheckBox>(CWizardPage9::kGiveTitle)->isChecked());
    EXPECT_EQ(pages.briefingSheet.Control<QPlainTextEdit>(CWizardPage9::kDescriptionText)->toPlainText(),
              "Over the hills\nand far away");
    EXPECT_EQ(pages.briefingSheet.Control<QLineEdit>(CWizardPage9::kUserEstimate)->text(), "2 hours");
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace trevalo
